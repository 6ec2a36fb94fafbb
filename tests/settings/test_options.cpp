// The options window: defaults, reading and storing every option, OK and Cancel, the
// enabling rules, the changes announced while it is open, the start-up entry, the
// default-category list and the alarm sound test.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>
#include <memory>

#include "settings/autostart.h"
#include "settings/colorpanel.h"
#include "settings/options.h"
#include "settings/programoptions.h"
#include "settings/settingsstore.h"
#include "settings/titlelabel.h"
#include "support/testsupport.h"

namespace {

// A fresh run: the given Options values stored, the live options read from them and the
// window created and shown.
struct Fixture {
    TestPlatform platform;
    std::unique_ptr<TfrmOptions> dialog;

    explicit Fixture(const QMap<QString, QString>& stored = {}) {
        for (auto it = stored.begin(); it != stored.end(); ++it)
            SettingsStore::writeString(QStringLiteral("Options"), it.key(), it.value());
        Options() = ProgramOptions();
        open();
    }
    void open() {
        dialog = std::make_unique<TfrmOptions>();
        dialog->show();
    }
    // Shows the window again, as the next Options command does.
    void reopen() {
        dialog->hide();
        dialog->show();
    }
    template <typename T = QWidget>
    T* find(const QString& name) const {
        T* w = dialog->findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QString stored(const QString& key) const {
        return QSettings(Platform::settingsFile(), QSettings::IniFormat).value(key).toString();
    }
};

// What a control shows, by property; fonts and colours as comparable text.
QVariant shown(const QWidget* w, const QString& property) {
    if (property == QLatin1String("fontFamily"))
        return w->font().family();
    if (property == QLatin1String("fontSize"))
        return w->font().pointSize();
    if (property == QLatin1String("color") || property == QLatin1String("fontColor"))
        return w->property(property.toLatin1().constData()).value<QColor>().name();
    return w->property(property.toLatin1().constData());
}

// Every option as "name=value", so that two sets compare with a readable difference.
QStringList describe(const ProgramOptions& o) {
    auto font = [](const QFont& f) {
        return QStringLiteral("%1 %2 %3%4%5%6")
            .arg(f.family())
            .arg(f.pointSize())
            .arg(f.bold())
            .arg(f.italic())
            .arg(f.underline())
            .arg(f.strikeOut());
    };
    auto c = [](const QColor& color) { return color.name(); };
    return {QStringLiteral("shadows=%1").arg(o.shadows),
            QStringLiteral("strikeOut=%1").arg(o.strikeOut),
            QStringLiteral("flyBy=%1").arg(o.flyBy),
            QStringLiteral("hint=%1/%2").arg(c(o.hintFG), c(o.hintBG)),
            QStringLiteral("doneColor=%1 %2/%3").arg(o.doneColor).arg(c(o.doneFG), c(o.doneBG)),
            QStringLiteral("notDoneColor=%1 %2/%3").arg(o.notDoneColor).arg(c(o.notDoneFG), c(o.notDoneBG)),
            QStringLiteral("holidayColor=%1 %2/%3").arg(o.holidayColor).arg(c(o.holidayFG), c(o.holidayBG)),
            QStringLiteral("monthColor=%1 %2").arg(o.monthColor).arg(c(o.monthBG)),
            QStringLiteral("sunday=%1").arg(o.sunday),
            QStringLiteral("rowHeight=%1").arg(o.rowHeight),
            QStringLiteral("calFont=%1").arg(font(o.calFont)),
            QStringLiteral("gridFont=%1").arg(font(o.gridFont)),
            QStringLiteral("titleFont=%1").arg(font(o.titleFont)),
            QStringLiteral("playAlarm=%1").arg(o.playAlarm),
            QStringLiteral("newTaskAlarm=%1").arg(o.newTaskAlarm),
            QStringLiteral("alarmMin=%1").arg(o.alarmMin),
            QStringLiteral("sysSound=%1").arg(o.sysSound),
            QStringLiteral("playAlarmSound=%1").arg(o.playAlarmSound),
            QStringLiteral("alarmPath=%1").arg(o.alarmPath),
            QStringLiteral("repeatAlarm=%1").arg(o.repeatAlarm),
            QStringLiteral("hourChime=%1").arg(o.hourChime),
            QStringLiteral("halfChime=%1").arg(o.halfChime),
            QStringLiteral("category=%1").arg(o.category),
            QStringLiteral("confirm=%1").arg(o.confirm),
            QStringLiteral("dragConfirm=%1").arg(o.dragConfirm),
            QStringLiteral("autoStart=%1").arg(o.autoStart),
            QStringLiteral("popup=%1").arg(o.popup),
            QStringLiteral("exitF4=%1").arg(o.exitF4),
            QStringLiteral("iconDay=%1").arg(o.iconDay),
            QStringLiteral("startup=%1").arg(o.startup)};
}

QFont styledFont(const char* family, int size, bool bold, bool italic, bool under, bool strike) {
    QFont f(QString::fromLatin1(family));
    f.setPointSize(size);
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(under);
    f.setStrikeOut(strike);
    return f;
}

}  // namespace

class TestOptions : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        InitTestEnvironment();
        QVERIFY(AutostartEntryPath().contains(QLatin1String("/.qttest/")));
    }
    void init() { QFile::remove(AutostartEntryPath()); }
    void cleanup() { QFile::remove(AutostartEntryPath()); }

    void freshStoreGivesDefaults_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        auto row = [](const char* control, const char* property, const QVariant& expected) {
            QTest::addRow("%s.%s", control, property) << control << property << expected;
        };
        row("cbShadow", "checked", true);
        row("cbStrikeout", "checked", true);
        row("cbFlyBy", "checked", true);
        row("pnlHint", "color", "#ffff00");
        row("pnlHint", "fontColor", "#000000");
        row("cbColorDone", "checked", true);
        row("pnlDone", "fontColor", "#000000");
        row("pnlDone", "color", "#00ffff");
        row("cbColorNotDone", "checked", true);
        row("pnlNotDone", "fontColor", "#ffffff");
        row("pnlNotDone", "color", "#ff0000");
        row("cbHoliday", "checked", true);
        row("pnlHoliday", "fontColor", "#000000");
        row("pnlHoliday", "color", "#ffff00");
        row("cbCurrentMonth", "checked", false);
        row("pnlMonth", "color", "#00ff00");
        row("rbSun", "checked", true);
        row("rbMon", "checked", false);
        row("edRowHeight", "value", 16);
        row("btCalFont", "fontFamily", "Ms Sans Serif");
        row("btCalFont", "fontSize", 8);
        row("btGridFont", "fontFamily", "Ms Sans Serif");
        row("btGridFont", "fontSize", 8);
        row("lblTitle", "fontFamily", "Times New Roman");
        row("lblTitle", "fontSize", 20);
        row("btHeader", "fontFamily", "Times New Roman");
        row("cbAlarm", "checked", true);
        row("cbNewTasks", "checked", true);
        row("edMin", "value", 0);
        row("rbSystemSound", "checked", false);
        row("rbPlayAlarmSound", "checked", true);
        row("edPath", "text", "<app>/alarm.wav");
        row("cbRepeat", "checked", true);
        row("cbHourChime", "checked", true);
        row("cbHalfChime", "checked", true);
        row("cbCategory", "currentText", "");
        row("cbConfirm", "checked", true);
        row("cbDragConfirm", "checked", true);
        row("cbStartInTray", "checked", false);
        row("cbStartup", "checked", true);
        row("cbPopup", "checked", true);
        row("rbExit", "checked", true);
        row("rbMinimize", "checked", false);
        row("cbIconDay", "checked", true);
    }
    void freshStoreGivesDefaults() {
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        Fixture f;
        if (expected.toString().startsWith(QLatin1String("<app>")))
            expected = expected.toString().replace(QLatin1String("<app>"), f.platform.folder());
        QCOMPARE(shown(f.find(control), property), expected);
    }

    void firstPageCaptionAndHiddenHelp() {
        Fixture f;
        QCOMPARE(f.dialog->windowTitle(), QStringLiteral("Program Options"));
        QCOMPARE(f.dialog->PageControl1->currentIndex(), 0);
        QCOMPARE(f.dialog->PageControl1->tabText(1), QStringLiteral("Alarm settings"));
        QVERIFY(!f.dialog->btHelp->isVisible());
        int context = 0;
        f.dialog->setHelpHandler([&context](int c) { context = c; });
        QVERIFY(f.dialog->btHelp->isVisible());
        QCOMPARE(f.dialog->btHelp->text(), QStringLiteral("&Help"));
        f.dialog->btHelp->click();
        QCOMPARE(context, 400);
    }

    void unreadableValuesReadAsDefaults_data() {
        QTest::addColumn<QString>("ident");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("expected");
        QTest::newRow("row height") << "RowHeight"
                                    << "abc"
                                    << "edRowHeight"
                                    << "value" << QVariant(16);
        QTest::newRow("alarm lead") << "AlarmMin"
                                    << "5 min"
                                    << "edMin"
                                    << "value" << QVariant(0);
        QTest::newRow("Boolean") << "Shadows"
                                 << "yes"
                                 << "cbShadow"
                                 << "checked" << QVariant(true);
        QTest::newRow("colour") << "DoneColorBG"
                                << "aqua"
                                << "pnlDone"
                                << "color" << QVariant("#00ffff");
        QTest::newRow("font size") << "CalFontSize"
                                   << ""
                                   << "btCalFont"
                                   << "fontSize" << QVariant(8);
        QTest::newRow("row height too big") << "RowHeight"
                                            << "99"
                                            << "edRowHeight"
                                            << "value" << QVariant(50);
        QTest::newRow("Boolean as number") << "ExitF4"
                                           << "0"
                                           << "rbMinimize"
                                           << "checked" << QVariant(true);
        QTest::newRow("stored colour number") << "NotDoneColorBG"
                                              << "65280"
                                              << "pnlNotDone"
                                              << "color" << QVariant("#00ff00");
    }
    void unreadableValuesReadAsDefaults() {
        QFETCH(QString, ident);
        QFETCH(QString, text);
        QFETCH(QString, control);
        QFETCH(QString, property);
        QFETCH(QVariant, expected);
        Fixture f({{ident, text}});
        QCOMPARE(shown(f.find(control), property), expected);
    }

    void firstSaveWritesTheStoredTexts_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("FirstTime") << "Options/FirstTime"
                                   << "first";
        QTest::newRow("Boolean on") << "Options/Shadows"
                                    << "1";
        QTest::newRow("Boolean off") << "Options/MonthColor"
                                     << "0";
        QTest::newRow("hint background, yellow") << "Options/HintColorBG"
                                                 << "65535";
        QTest::newRow("done background, aqua") << "Options/DoneColorBG"
                                               << "16776960";
        QTest::newRow("not-done text, white") << "Options/NotDoneColorFG"
                                              << "16777215";
        QTest::newRow("not-done background, red") << "Options/NotDoneColorBG"
                                                  << "255";
        QTest::newRow("month, lime") << "Options/MonthColorBG"
                                     << "65280";
        QTest::newRow("row height") << "Options/RowHeight"
                                    << "16";
        QTest::newRow("calendar font") << "Options/CalFontName"
                                       << "Ms Sans Serif";
        QTest::newRow("title size") << "Options/TitleFontSize"
                                    << "20";
        QTest::newRow("title bold") << "Options/TitleFontBold"
                                    << "0";
        QTest::newRow("popup") << "Options/qPopup"
                               << "1";
        QTest::newRow("tray icon") << "Options/qIcons"
                                   << "1";
        QTest::newRow("category") << "Options/Category"
                                  << "";
    }
    void firstSaveWritesTheStoredTexts() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        Fixture f;
        f.dialog->btOK->click();
        QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
        QSettings raw(Platform::settingsFile(), QSettings::IniFormat);
        QVERIFY2(raw.contains(key), qPrintable(key));
        QCOMPARE(raw.value(key).toString(), text);
    }

    void okStoresEveryOptionAndANewRunReadsItBack() {
        Fixture f;
        TfrmOptions& d = *f.dialog;
        const QStringList defaults = describe(Options());
        d.PageControl1->setCurrentIndex(1);
        d.edPath->clear();
        QTest::keyClicks(d.edPath, QStringLiteral("/sounds/bell.mp3"));
        // In an order that keeps each control enabled when it is clicked.
        const char* clicks[] = {"cbShadow",    "cbStrikeout",    "cbFlyBy",    "cbColorDone",   "cbColorNotDone",
                                "cbHoliday",   "cbCurrentMonth", "rbMon",      "cbNewTasks",    "cbRepeat",
                                "cbHourChime", "cbHalfChime",    "cbConfirm",  "cbDragConfirm", "cbStartInTray",
                                "cbStartup",   "cbPopup",        "rbMinimize", "cbIconDay",     "rbSystemSound",
                                "cbAlarm"};
        for (const char* name : clicks) {
            auto* b = f.find<QAbstractButton>(QString::fromLatin1(name));
            QVERIFY2(b->isEnabled(), name);
            b->click();
        }
        d.edRowHeight->setValue(22);
        d.edMin->setValue(15);
        d.PageControl1->setCurrentIndex(2);
        d.cbCategory->setCurrentText(QStringLiteral("Errands"));
        f.platform.dialogs->answers << true << true << true;
        f.platform.dialogs->fonts << styledFont("DejaVu Sans", 11, true, false, false, false)
                                  << styledFont("DejaVu Serif", 9, false, true, true, false)
                                  << styledFont("DejaVu Sans Mono", 24, true, true, false, true);
        d.btCalFont->click();
        d.btGridFont->click();
        d.btHeader->click();
        // The colour panels have their own test.
        Options().hintBG = QColor(0x12, 0x34, 0x56);
        Options().doneBG = QColor(0x65, 0x43, 0x21);
        const QStringList edited = describe(Options());
        d.btOK->click();

        ProgramOptions next;
        next.load();
        QCOMPARE(describe(next), edited);
        // Every option took a value other than its default.
        for (int i = 0; i < defaults.size(); ++i)
            QVERIFY2(edited[i] != defaults[i], qPrintable(edited[i]));
    }

    void cancelKeepsTheChangeForTheRunAndStoresNothing() {
        Fixture f;
        const QByteArray before = f.platform.readFile(QStringLiteral("settings.ini"));
        QSignalSpy gridFonts(f.dialog.get(), &TfrmOptions::changeGridFonts);
        f.platform.dialogs->answers << true;
        f.platform.dialogs->fonts << styledFont("DejaVu Serif", 12, false, false, false, false);
        f.dialog->btGridFont->click();
        f.dialog->cbConfirm->click();
        QCOMPARE(gridFonts.count(), 1);
        f.dialog->btCancel->click();
        QCOMPARE(f.dialog->result(), int(QDialog::Rejected));

        QCOMPARE(f.platform.readFile(QStringLiteral("settings.ini")), before);
        QVERIFY(!QFile::exists(AutostartEntryPath()));
        QCOMPARE(Options().gridFont.family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(!Options().confirm);
        f.reopen();
        QCOMPARE(f.dialog->btGridFont->font().family(), QStringLiteral("DejaVu Serif"));
        QVERIFY(!f.dialog->cbConfirm->isChecked());
    }

    void showingFollowsOptionsChangedElsewhere() {
        Fixture f;
        f.dialog->hide();
        Options().popup = false;
        Options().alarmMin = 30;
        f.dialog->show();
        QVERIFY(!f.dialog->cbPopup->isChecked());
        QCOMPARE(f.dialog->edMin->value(), 30);
    }

    void enablingRules_data() {
        QTest::addColumn<QString>("stored");  // ident=value pairs, ";" between them
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("enabled");  // one letter per control below: E enabled, - disabled
        // cbNewTasks edMin rbSystemSound btTest lblNote | edPath btAlarmBrowse cbRepeat lblPath | cbHourChime cbAlarm
        QTest::newRow("defaults") << "" << QStringList() << "EEEEE EEEE EE";
        QTest::newRow("alarms off") << "" << QStringList{"cbAlarm"} << "----- ---- EE";
        QTest::newRow("system sound") << "" << QStringList{"rbSystemSound"} << "EEEEE ---- EE";
        QTest::newRow("system sound, then file")
            << "" << QStringList{"rbSystemSound", "rbPlayAlarmSound"} << "EEEEE EEEE EE";
        QTest::newRow("alarms off and on again") << "" << QStringList{"cbAlarm", "cbAlarm"} << "EEEEE EEEE EE";
        QTest::newRow("alarms stored off") << "PlayAlarm=0" << QStringList() << "----- ---- EE";
        QTest::newRow("alarms stored off, switched on") << "PlayAlarm=0" << QStringList{"cbAlarm"} << "EEEEE EEEE EE";
        // Switching alarms on enables every alarm control, as showing does.
        QTest::newRow("system sound stored, alarms switched on")
            << "PlayAlarm=0;SysSound=1;PlayAlarmSound=0" << QStringList{"cbAlarm"} << "EEEEE EEEE EE";
        QTest::newRow("system sound stored, chosen again")
            << "SysSound=1;PlayAlarmSound=0" << QStringList{"rbPlayAlarmSound", "rbSystemSound"} << "EEEEE ---- EE";
        // On showing, the alarm switch is applied last, so the sound file controls follow it.
        QTest::newRow("system sound stored") << "SysSound=1;PlayAlarmSound=0" << QStringList() << "EEEEE EEEE EE";
    }
    void enablingRules() {
        QFETCH(QString, stored);
        QFETCH(QStringList, clicks);
        QFETCH(QString, enabled);
        QMap<QString, QString> values;
        for (const QString& pair : stored.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            values.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        Fixture f(values);
        f.dialog->PageControl1->setCurrentIndex(1);
        for (const QString& name : clicks)
            f.find<QAbstractButton>(name)->click();
        const QStringList names{"cbNewTasks",    "edMin",    "rbSystemSound", "btTest",      "lblNote", "edPath",
                                "btAlarmBrowse", "cbRepeat", "lblPath",       "cbHourChime", "cbAlarm"};
        QString actual;
        for (int i = 0; i < names.size(); ++i) {
            if (i == 5 || i == 9)
                actual += QLatin1Char(' ');
            actual += f.find(names[i])->isEnabled() ? QLatin1Char('E') : QLatin1Char('-');
        }
        QCOMPARE(actual, enabled);
    }

    void liveChangesAreAnnounced_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("shadows") << "cbShadow" << QByteArray("shadowsChanged(bool)");
        QTest::newRow("strike-out") << "cbStrikeout" << QByteArray("strikeOutChanged()");
        QTest::newRow("done colouring") << "cbColorDone" << QByteArray("dayColorsChanged()");
        QTest::newRow("not-done colouring") << "cbColorNotDone" << QByteArray("dayColorsChanged()");
        QTest::newRow("holiday colouring") << "cbHoliday" << QByteArray("dayColorsChanged()");
        QTest::newRow("month colouring") << "cbCurrentMonth" << QByteArray("monthColorChanged()");
        QTest::newRow("hour chime test") << "btTestHour" << QByteArray("chimeTestRequested(bool,bool)");
        QTest::newRow("half-hour chime test") << "btHalfTest" << QByteArray("chimeTestRequested(bool,bool)");
    }
    void liveChangesAreAnnounced() {
        QFETCH(QString, control);
        QFETCH(QByteArray, signal);
        Fixture f;
        const QMetaObject* meta = f.dialog->metaObject();
        QSignalSpy spy(f.dialog.get(), meta->method(meta->indexOfSignal(signal.constData())));
        QVERIFY(spy.isValid());
        f.find<QAbstractButton>(control)->click();
        QCOMPARE(spy.count(), 1);
    }

    void shadowsRestyleTheSampleTitle() {
        Fixture f;
        QSignalSpy spy(f.dialog.get(), &TfrmOptions::shadowsChanged);
        QCOMPARE(f.dialog->lblTitle->shadowDepth(), 4);
        QCOMPARE(f.dialog->lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        f.dialog->cbShadow->click();
        QCOMPARE(spy.takeFirst().at(0).toBool(), false);
        QCOMPARE(f.dialog->lblTitle->shadowDepth(), 1);
        QCOMPARE(f.dialog->lblTitle->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QVERIFY(!Options().shadows);
    }

    void valueChangesReachTheOptionsAtOnce() {
        Fixture f;
        QSignalSpy rows(f.dialog.get(), &TfrmOptions::rowHeightChanged);
        QSignalSpy strike(f.dialog.get(), &TfrmOptions::strikeOutChanged);
        f.dialog->edRowHeight->setValue(30);
        QCOMPARE(Options().rowHeight, 30);
        QCOMPARE(rows.count(), 1);
        f.dialog->edMin->setValue(10);
        QCOMPARE(Options().alarmMin, 10);
        f.dialog->cbCategory->setCurrentText(QStringLiteral("Home"));
        QCOMPARE(Options().category, QStringLiteral("Home"));
        // While the window is hidden strike-out changes only the option.
        f.dialog->hide();
        f.dialog->cbStrikeout->click();
        QVERIFY(!Options().strikeOut);
        QCOMPARE(strike.count(), 0);
    }

    void fontButtons() {
        Fixture f;
        QSignalSpy cal(f.dialog.get(), &TfrmOptions::changeCalFonts);
        QSignalSpy grid(f.dialog.get(), &TfrmOptions::changeGridFonts);
        f.platform.dialogs->answers << false << true;
        f.platform.dialogs->fonts << styledFont("DejaVu Sans", 26, true, true, false, false);
        f.dialog->btCalFont->click();  // cancelled
        QCOMPARE(cal.count(), 0);
        QCOMPARE(f.platform.dialogs->boxes.last().text, QStringLiteral("Ms Sans Serif"));
        f.dialog->btHeader->click();
        QCOMPARE(f.platform.dialogs->boxes.last().text, QStringLiteral("Times New Roman"));
        QCOMPARE(f.dialog->lblTitle->font().pointSize(), 26);
        QCOMPARE(f.dialog->btHeader->font().family(), QStringLiteral("DejaVu Sans"));
        QVERIFY(f.dialog->btHeader->font().bold());
        QVERIFY(f.dialog->btHeader->font().pointSize() < 26);  // the button keeps its own size
        QCOMPARE(Options().titleFont.pointSize(), 26);
        QCOMPARE(cal.count() + grid.count(), 0);
    }

    void startupEntryFollowsTheCheckBox() {
        Fixture f;
        QVERIFY(f.dialog->cbStartup->isChecked());  // never saved: offered
        f.dialog->btOK->click();
        QVERIFY(checkAutostart());
        QVERIFY(QFile(AutostartEntryPath()).open(QIODevice::ReadOnly));
        QCOMPARE(f.stored(QStringLiteral("Options/FirstTime")), QStringLiteral("first"));

        f.reopen();
        QVERIFY(f.dialog->cbStartup->isChecked());
        f.dialog->cbStartup->click();
        f.dialog->btOK->click();
        QVERIFY(!QFile::exists(AutostartEntryPath()));

        // Once saved, the check box shows whether the entry exists.
        Options() = ProgramOptions();
        f.open();
        QVERIFY(!f.dialog->cbStartup->isChecked());
    }

    void firstWriteFailureIsReportedAndSavingGoesOn() {
        Fixture f;
        f.platform.writeFile(QStringLiteral("blocker"), "a file where a folder should be");
        Platform::setSettingsFile(f.platform.path(QStringLiteral("blocker/settings.ini")));
        f.dialog->btOK->click();
        QCOMPARE(f.dialog->result(), int(QDialog::Accepted));
        QCOMPARE(f.platform.dialogs->texts(),
                 QStringList{QStringLiteral(
                     "Calvora is attempting to save your settings in the registry under the key "
                     "HKEY_CURRENT_USER\\Software\\Brellwick Corporation\\Calvora.  Perhaps an anti-virus program is "
                     "disallowing legitimate use of the windows registry?")});
        QCOMPARE(f.platform.dialogs->boxes.first().kind, BoxKind::Error);
        QVERIFY(checkAutostart());  // the start-up entry was still written
    }

    void categoryListComesFromTheCategoryFile() {
        Fixture f({{QStringLiteral("Category"), QStringLiteral("Errands")}});
        QCOMPARE(f.dialog->cbCategory->count(), 0);
        f.platform.writeFile(QStringLiteral("category.xxx"), "Work\r\nhome\r\nBills\r\n");
        f.reopen();
        QStringList items;
        for (int i = 0; i < f.dialog->cbCategory->count(); ++i)
            items << f.dialog->cbCategory->itemText(i);
        QCOMPARE(items, (QStringList{"Bills", "home", "Work"}));
        QCOMPARE(f.dialog->cbCategory->currentText(), QStringLiteral("Errands"));
        QCOMPARE(Options().category, QStringLiteral("Errands"));
    }

    void alarmTestButton() {
        Fixture f;
        const QString wav = f.platform.path(QStringLiteral("alarm.wav"));
        f.platform.writeFile(QStringLiteral("alarm.wav"), "RIFF");
        TfrmOptions& d = *f.dialog;
        d.btTest->click();
        QCOMPARE(f.platform.sound->played, QStringList{QStringLiteral("loop:") + wav});
        QCOMPARE(d.btTest->text(), QStringLiteral("&Stop"));
        d.btTest->click();
        QCOMPARE(f.platform.sound->stops, 1);
        QCOMPARE(d.btTest->text(), QStringLiteral("&Test"));

        d.cbRepeat->click();
        d.btTest->click();
        QCOMPARE(f.platform.sound->played.last(), wav);
        QCOMPARE(d.btTest->text(), QStringLiteral("&Test"));

        d.rbSystemSound->click();
        d.btTest->click();
        QCOMPARE(f.platform.sound->beeps.size(), 1);
        QCOMPARE(f.platform.sound->played.size(), 2);
    }

    void otherSoundFilesGoToTheDesktopPlayer() {
        Fixture f;
        const QString mp3 = f.platform.path(QStringLiteral("song.mp3"));
        f.platform.writeFile(QStringLiteral("song.mp3"), "ID3");
        f.platform.writeFile(QStringLiteral("blank.mp3"), "ID3");
        f.dialog->playAlarmSound(mp3, true, true);
        QCOMPARE(f.platform.shell->opened, QStringList{mp3});
        QVERIFY(f.platform.sound->played.isEmpty());
        f.dialog->playAlarmSound(QString(), false, false);
        QCOMPARE(f.platform.shell->opened.last(), f.platform.path(QStringLiteral("blank.mp3")));
    }

    void browseFillsTheSoundFile() {
        Fixture f;
        f.platform.dialogs->files << QStringLiteral("/music/wake.mp3");
        f.dialog->btAlarmBrowse->click();
        QCOMPARE(f.dialog->edPath->text(), QStringLiteral("/music/wake.mp3"));
        QCOMPARE(Options().alarmPath, QStringLiteral("/music/wake.mp3"));
        f.dialog->btAlarmBrowse->click();  // cancelled
        QCOMPARE(f.dialog->edPath->text(), QStringLiteral("/music/wake.mp3"));
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
