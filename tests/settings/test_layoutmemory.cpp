// Window layout memory: the main window's automatic and stored layouts with their
// defaults from the screen, and the form-state values of the other windows.

#include <QSettings>
#include <QtTest>

#include "settings/layoutmemory.h"
#include "settings/settingsstore.h"
#include "support/testsupport.h"

namespace {

const ScreenLayout kLayout{40, 25, 700, 900, 330, 150, 90};

QString raw(const QString& key) {
    return QSettings(Platform::settingsFile(), QSettings::IniFormat).value(key).toString();
}

}  // namespace

class TestLayoutMemory : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }

    void memorizedLayoutComesBack_data() {
        QTest::addColumn<bool>("byUser");
        QTest::newRow("at exit and start") << false;
        QTest::newRow("Resize menu") << true;
    }
    void memorizedLayoutComesBack() {
        QFETCH(bool, byUser);
        TestPlatform p;
        p.dialogs->answers << true;
        QVERIFY(LayoutMemory::MemorizeScreen(byUser, kLayout));
        const QString section = byUser ? QStringLiteral("MemorizeMe") : QStringLiteral("Memorize");
        QCOMPARE(raw(section + QStringLiteral("/Done")), QStringLiteral("1"));
        QCOMPARE(raw(section + QStringLiteral("/Maximized")), QStringLiteral("0"));
        QCOMPARE(raw(section + QStringLiteral("/Split1Pos")), QStringLiteral("330"));

        const std::optional<WindowPlacement> w = LayoutMemory::RecoverScreenSize(byUser, QSize(1920, 1080));
        QVERIFY(w);
        QVERIFY(!w->maximized);
        QCOMPARE(QList<int>({w->top, w->left, w->height, w->width}), QList<int>({40, 25, 700, 900}));
        const PanelSizes s = LayoutMemory::RecoverPanelSizes(byUser, QSize(900, 700), 650);
        QCOMPARE(QList<int>({s.split1Pos, s.split2Pos, s.splitDay}), QList<int>({330, 150, 90}));
        QCOMPARE(p.dialogs->boxes.size(), byUser ? 1 : 0);
        if (byUser)
            QCOMPARE(p.dialogs->boxes[0].text, QStringLiteral("Really memorize current screen positions?"));
    }

    void firstStartFillsTheScreenLessSixtyPixels() {
        TestPlatform p;
        const std::optional<WindowPlacement> w = LayoutMemory::RecoverScreenSize(false, QSize(1280, 1024));
        QVERIFY(w);
        QCOMPARE(QList<int>({w->top, w->left, w->height, w->width}), QList<int>({30, 30, 964, 1220}));
        const PanelSizes s = LayoutMemory::RecoverPanelSizes(false, QSize(1220, 964), 905);
        // 1220 * 8 / 21 = 464.76, 964 / 4 = 241, 905 / 6 = 150.8: divisions truncate.
        QCOMPARE(QList<int>({s.split1Pos, s.split2Pos, s.splitDay}), QList<int>({464, 241, 150}));
        QVERIFY(p.dialogs->boxes.isEmpty());
    }

    void missingValuesAreCentredOnTheRestoredSize() {
        TestPlatform p;
        SettingsStore::writeString(QStringLiteral("Memorize"), QStringLiteral("Height"), QStringLiteral("600"));
        SettingsStore::writeString(QStringLiteral("Memorize"), QStringLiteral("Width"), QStringLiteral("wide"));
        const std::optional<WindowPlacement> w = LayoutMemory::RecoverScreenSize(false, QSize(1000, 800));
        QVERIFY(w);
        QCOMPARE(QList<int>({w->top, w->left, w->height, w->width}), QList<int>({100, 30, 600, 940}));
    }

    void restoringBeforeMemorizingIsRefused() {
        TestPlatform p;
        QVERIFY(LayoutMemory::MemorizeScreen(false, kLayout));  // the automatic layout does not count
        QVERIFY(!LayoutMemory::RecoverScreenSize(true, QSize(1280, 1024)));
        QCOMPARE(p.dialogs->texts(), QStringList{QStringLiteral("Screen has not yet been memorized")});
        QCOMPARE(p.dialogs->boxes[0].kind, BoxKind::Error);
        QCOMPARE(p.sound->beeps.size(), 1);
    }

    void answeringNoStoresNothing() {
        TestPlatform p;
        p.dialogs->answers << false;
        QVERIFY(!LayoutMemory::MemorizeScreen(true, kLayout));
        QVERIFY(!SettingsStore::valueExists(QStringLiteral("MemorizeMe"), QStringLiteral("Done")));
        QVERIFY(!SettingsStore::valueExists(QStringLiteral("MemorizeMe"), QStringLiteral("Top")));
    }

    void aMaximizedFlagMaximizes() {
        TestPlatform p;
        SettingsStore::writeBool(QStringLiteral("Memorize"), QStringLiteral("Maximized"), true);
        const std::optional<WindowPlacement> w = LayoutMemory::RecoverScreenSize(false, QSize(1280, 1024));
        QVERIFY(w && w->maximized);
    }

    void formStateEntries() {
        QCOMPARE(YearFormState().first(),
                 QStringLiteral("frmYear;ClientHeight;Software\\Brellwick Corporation\\Calvora;YearHeight;336;1"));
        QCOMPARE(FilterFormState().size(), 4);
        QCOMPARE(
            AbbreviationFormState().last(),
            QStringLiteral("frmAbbreviation;ClientWidth;Software\\Brellwick Corporation\\Calvora;AbbrevWidth;530;1"));
        const std::optional<FormStateEntry> e = FormStateEntry::parse(YearFormState().at(1));
        QVERIFY(e);
        QCOMPARE(e->property, QStringLiteral("ClientWidth"));
        QCOMPARE(e->text(), YearFormState().at(1));
        QVERIFY(!FormStateEntry::parse(QStringLiteral("frmYear;Top")));
    }

    void formStateValuesLiveInTheProgramKey() {
        TestPlatform p;
        const FormStateEntry width = *FormStateEntry::parse(YearFormState().at(1));
        QCOMPARE(ReadFormStateValue(width), QStringLiteral("400"));
        QVERIFY(WriteFormStateValue(width, QStringLiteral("612")));
        QCOMPARE(raw(QStringLiteral("YearWidth")), QStringLiteral("612"));  // no subkey
        QCOMPARE(ReadFormStateValue(width), QStringLiteral("612"));
        SettingsStore::deleteKey(QString(), QStringLiteral("YearWidth"));
        QCOMPARE(ReadFormStateValue(width), QStringLiteral("400"));

        FormStateEntry sub = width;
        sub.key = QStringLiteral("software\\brellwick corporation\\calvora\\MemChart");
        QVERIFY(WriteFormStateValue(sub, QStringLiteral("7")));
        QCOMPARE(raw(QStringLiteral("MemChart/YearWidth")), QStringLiteral("7"));
        FormStateEntry elsewhere = width;
        elsewhere.key = QStringLiteral("Software\\Other");
        QVERIFY(!ReadFormStateValue(elsewhere));
        QVERIFY(!WriteFormStateValue(elsewhere, QStringLiteral("1")));
    }
};

QTEST_GUILESS_MAIN(TestLayoutMemory)
#include "test_layoutmemory.moc"
