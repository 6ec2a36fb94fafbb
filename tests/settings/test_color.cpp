// The colour dialog: its three modes with the live sample, the colours it returns, and
// the colour panels of the options window that open it.

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "common/monthcalendar.h"
#include "settings/color.h"
#include "settings/colorpanel.h"
#include "settings/options.h"
#include "settings/programoptions.h"
#include "support/testsupport.h"

namespace {

// Acts on the colour dialog once it is open and modal.
void whenColorDialogOpens(std::function<void(TfrmColor&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<TfrmColor*>(QApplication::activeModalWidget());
        if (!dialog)
            QFAIL("no colour dialog open");
        act(*dialog);
    });
}

void choose(QComboBox* box, const char* name) {
    const int index = box->findText(QString::fromLatin1(name));
    QVERIFY2(index > 0, name);
    box->setCurrentIndex(index);
}

QColor pixelAt(QWidget* w, const QPoint& p) {
    return w->grab().toImage().pixelColor(p);
}

// Inside a cell, clear of its centred number.
QPoint cellCorner(const MonthCalendar* c, int day) {
    const int index = c->cellOfDate(QDate(c->date().year(), c->date().month(), day));
    return c->cellRect(index).topLeft() + QPoint(2, 2);
}

}  // namespace

class TestColor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }

    void returnsTheChosenColours_data() {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("fg");
        QTest::addColumn<QString>("bg");
        QTest::newRow("OK") << true << "#000080"
                            << "#ffff00";
        QTest::newRow("Cancel") << false << "#ffffff"
                                << "#ff0000";
    }
    void returnsTheChosenColours() {
        QFETCH(bool, ok);
        QFETCH(QString, fg);
        QFETCH(QString, bg);
        TestPlatform p;
        QColor foreground(Qt::white);
        QColor background(Qt::red);
        whenColorDialogOpens([ok](TfrmColor& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Set color for DONE tasks"));
            QCOMPARE(d.foreground(), QColor(Qt::white));
            QCOMPARE(d.background(), QColor(Qt::red));
            choose(d.cbFG, "Navy");
            choose(d.cbBG, "Yellow");
            (ok ? d.btOK : d.btCancel)->click();
        });
        QCOMPARE(TfrmColor::Execute(nullptr, QStringLiteral("Set color for DONE tasks"), TfrmColor::Mode::Normal,
                                    foreground, background),
                 ok);
        QCOMPARE(foreground.name(), fg);
        QCOMPARE(background.name(), bg);
    }

    void customColours() {
        TestPlatform p;
        TfrmColor d;
        d.setForeground(QColor(0x12, 0x34, 0x56));  // not a standard colour: listed by itself
        QCOMPARE(d.foreground(), QColor(0x12, 0x34, 0x56));
        QCOMPARE(d.cbFG->currentText(), QStringLiteral("#123456"));

        p.dialogs->answers << true << false;
        p.dialogs->colors << QColor(0xAB, 0xCD, 0xEF);
        d.cbBG->setCurrentIndex(0);
        emit d.cbBG->activated(0);  // "Custom..." picked by the user
        QCOMPARE(d.background(), QColor(0xAB, 0xCD, 0xEF));
        QCOMPARE(p.dialogs->boxes.last().text, QStringLiteral("#ffffff"));  // starts from the colour before

        d.cbBG->setCurrentIndex(0);
        emit d.cbBG->activated(0);  // and cancelled: the colour stays
        QCOMPARE(d.background(), QColor(0xAB, 0xCD, 0xEF));
        QVERIFY(d.cbBG->currentIndex() > 0);
    }

    void normalModePaintsTheMonthsCells() {
        TestPlatform p;
        TfrmColor d;
        d.setForeground(Qt::white);
        d.setBackground(Qt::red);
        d.setMode(TfrmColor::Mode::Normal);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.calSample->date(), p.clock->now().date());
        QCOMPARE(pixelAt(d.calSample, cellCorner(d.calSample, 15)), QColor(Qt::red));
        choose(d.cbBG, "Lime");
        QCOMPARE(pixelAt(d.calSample, cellCorner(d.calSample, 15)), QColor(Qt::green));
    }

    void monthModeColoursTheCalendarsBackground() {
        TestPlatform p;
        TfrmColor d;
        d.setBackground(Qt::green);
        d.setMode(TfrmColor::Mode::Month);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QVERIFY(!d.cbFG->isVisible());
        QCOMPARE(d.lblFG->text(), QStringLiteral("Set outline color of current month"));
        QCOMPARE(pixelAt(d.calSample, QPoint(2, 2)), QColor(Qt::green));
        QVERIFY(pixelAt(d.calSample, cellCorner(d.calSample, 15)) != QColor(Qt::green));
        choose(d.cbBG, "Aqua");
        QCOMPARE(pixelAt(d.calSample, QPoint(2, 2)), QColor(Qt::cyan));
    }

    void hintModeHasNoSampleAndIsSmaller() {
        TestPlatform p;
        TfrmColor normal;
        normal.show();
        TfrmColor hint;
        hint.setMode(TfrmColor::Mode::Hint);
        hint.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hint));
        QVERIFY(!hint.calSample->isVisible());
        QVERIFY(hint.cbFG->isVisible());
        QCOMPARE(hint.lblFG->text(), QStringLiteral("ForeGround"));
        QVERIFY(hint.height() < normal.height() - normal.calSample->height() / 2);
        QVERIFY(hint.cbBG->y() > hint.cbFG->geometry().bottom());
        QVERIFY(hint.btOK->y() > hint.cbBG->geometry().bottom());
        QVERIFY(hint.btOK->isDefault());
    }

    void optionPanelsOpenTheDialog_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QByteArray>("signal");
        QTest::newRow("done") << "pnlDone"
                              << "Set color for DONE tasks" << int(TfrmColor::Mode::Normal)
                              << QByteArray("dayColorsChanged()");
        QTest::newRow("not done") << "pnlNotDone"
                                  << "Set color for NOT DONE tasks" << int(TfrmColor::Mode::Normal)
                                  << QByteArray("dayColorsChanged()");
        QTest::newRow("holiday") << "pnlHoliday"
                                 << "Set color for Holidays" << int(TfrmColor::Mode::Normal)
                                 << QByteArray("dayColorsChanged()");
        QTest::newRow("month") << "pnlMonth"
                               << "Set color for Current Month" << int(TfrmColor::Mode::Month)
                               << QByteArray("monthColorChanged()");
        QTest::newRow("hint") << "pnlHint"
                              << "Set color for Hints" << int(TfrmColor::Mode::Hint)
                              << QByteArray("hintColorsChanged()");
    }
    void optionPanelsOpenTheDialog() {
        QFETCH(QString, panel);
        QFETCH(QString, caption);
        QFETCH(int, mode);
        QFETCH(QByteArray, signal);
        TestPlatform p;
        Options() = ProgramOptions();
        TfrmOptions options;
        options.show();
        QVERIFY(QTest::qWaitForWindowExposed(&options));
        auto* pnl = options.findChild<ColorPanel*>(panel);
        QVERIFY(pnl);
        const QMetaObject* meta = options.metaObject();
        QSignalSpy spy(&options, meta->method(meta->indexOfSignal(signal.constData())));
        const QColor fg = pnl->fontColor();
        const QColor bg = pnl->color();

        // Cancelled: nothing changes, but the calendars are recoloured all the same.
        whenColorDialogOpens([&](TfrmColor& d) {
            QCOMPARE(d.windowTitle(), caption);
            QCOMPARE(int(d.mode()), mode);
            QCOMPARE(d.background(), bg);
            if (d.mode() != TfrmColor::Mode::Month)
                QCOMPARE(d.foreground(), fg);
            choose(d.cbBG, "Purple");
            d.btCancel->click();
        });
        QTest::mouseClick(pnl, Qt::LeftButton);
        QCOMPARE(pnl->color(), bg);
        QCOMPARE(spy.count(), 1);

        whenColorDialogOpens([](TfrmColor& d) {
            choose(d.cbBG, "Purple");
            choose(d.cbFG, "Teal");
            d.btOK->click();
        });
        QTest::mouseClick(pnl, Qt::LeftButton);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(pnl->color().name(), QStringLiteral("#800080"));
        const ProgramOptions& o = Options();
        const QColor stored = panel == QLatin1String("pnlDone")      ? o.doneBG
                              : panel == QLatin1String("pnlNotDone") ? o.notDoneBG
                              : panel == QLatin1String("pnlHoliday") ? o.holidayBG
                              : panel == QLatin1String("pnlMonth")   ? o.monthBG
                                                                     : o.hintBG;
        QCOMPARE(stored.name(), QStringLiteral("#800080"));
        if (mode != int(TfrmColor::Mode::Month))
            QCOMPARE(pnl->fontColor().name(), QStringLiteral("#008080"));
    }
};

QTEST_MAIN(TestColor)
#include "test_color.moc"
