// The main window's four calendars: keeping the months in step, the colours of the day
// cells, the captions over the lists, the form-level keys and the double click.

#include <QLabel>
#include <QSplitter>

#include "common/monthcalendar.h"
#include "mainfixture.h"

namespace {

// Two tasks on 10 March 2005 (one done, one not), one done task on 11 March, one task on 16 March.
const QByteArray kStore =
    "6,5\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\ncw 4,64\r\ncw 5,64\r\n"
    "0,1,38421.101\r\n1,1,9:00 AM\r\n2,1,Work\r\n3,1,done one\r\n4,1,Yes\r\n5,1,No\r\n"
    "0,2,38421.102\r\n1,2,10:00 AM\r\n2,2,Home\r\n3,2,open one\r\n4,2,No\r\n5,2,No\r\n"
    "0,3,38422.101\r\n1,3,9:00 AM\r\n2,3,Work\r\n3,3,finished\r\n4,3,Yes\r\n5,3,No\r\n"
    "0,4,38427.101\r\n1,4,8:00 AM\r\n2,4,Work\r\n3,4,today's\r\n4,4,No\r\n5,4,Yes\r\n";

CellPaint paintOf(TfrmMain& w, int calendar, const QDate& date) {
    MonthCalendar* c = w.cal(calendar);
    CellPaint cell;
    cell.index = c->cellOfDate(date);
    cell.date = date;
    cell.day = date.day();
    cell.inMonth = date.month() == c->date().month();
    cell.selected = date == c->date();
    w.cal1DrawCell(c, cell);
    return cell;
}

void clickDay(MonthCalendar* c, const QDate& date) {
    const int cell = c->cellOfDate(date);
    QVERIFY(cell >= 0);
    QTest::mouseClick(c, Qt::LeftButton, {}, c->cellRect(cell).center());
}

}  // namespace

class TestCalendarWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment(); }
    void init() { Options() = ProgramOptions(); }

    void startsOnTodayInTheSecondCalendar() {
        MainFixture f(kStore);
        QCOMPARE(f.w().currentCalendar(), f.w().cal(2));
        QCOMPARE(f.w().cal(1)->date(), QDate(2005, 2, 16));
        QCOMPARE(f.w().cal(2)->date(), QDate(2005, 3, 16));
        QCOMPARE(f.w().cal(3)->date(), QDate(2005, 4, 16));
        QCOMPARE(f.w().cal(4)->date(), QDate(2005, 5, 16));
        auto* heading = f.w().findChild<QLabel*>(QStringLiteral("lblDate"));
        QCOMPARE(heading->text(), QStringLiteral("Wednesday 3/16/2005  Today"));
        QCOMPARE(f.day().cell(2, 1), QStringLiteral("today's"));
    }

    void clickingADayResynchronisesAndClampsMonthEnds() {
        MainFixture f(kStore);
        clickDay(f.w().cal(1), QDate(2005, 2, 20));
        f.w().cal(1)->prevMonth();  // paging the current calendar moves the other three along
        QCOMPARE(f.w().cal(2)->date(), QDate(2005, 2, 20));
        f.w().cal(1)->nextMonth();
        clickDay(f.w().cal(1), QDate(2005, 1, 31));  // the greyed January day in February
        QCOMPARE(f.w().currentCalendar(), f.w().cal(1));
        QCOMPARE(f.w().cal(2)->date(), QDate(2005, 2, 28));
        QCOMPARE(f.w().cal(3)->date(), QDate(2005, 3, 28));
        QCOMPARE(f.w().cal(4)->date(), QDate(2005, 4, 28));
        QCOMPARE(f.w().cal(1)->bevel(), MonthCalendar::Bevel::Raised);
        QCOMPARE(f.w().cal(2)->bevel(), MonthCalendar::Bevel::Lowered);
        QCOMPARE(f.w().selectedDate(), QDate(2005, 1, 31));
    }

    void clickingAGreyedDayOfAnotherCalendarSelectsIt() {
        MainFixture f(kStore);
        clickDay(f.w().cal(1), QDate(2005, 1, 31));  // cal1 shows February; cal2 is current
        QCOMPARE(f.w().currentCalendar(), f.w().cal(1));
        QCOMPARE(f.w().selectedDate(), QDate(2005, 1, 31));
        QCOMPARE(f.w().cal(2)->date(), QDate(2005, 2, 28));
        QCOMPARE(f.w().cal(4)->date(), QDate(2005, 4, 28));
    }

    void clickingADayShowsItsTasksAndHeading() {
        MainFixture f(kStore);
        clickDay(f.w().cal(2), QDate(2005, 3, 10));
        QCOMPARE(f.day().rowCount(), 3);
        QCOMPARE(f.day().cell(2, 1), QStringLiteral("done one"));
        auto* heading = f.w().findChild<QLabel*>(QStringLiteral("lblDate"));
        QCOMPARE(heading->text(), QStringLiteral("2 tasks Thu 3/10/2005  6 days ago"));
        QCOMPARE(heading->palette().color(heading->foregroundRole()), QColor(0, 0, 255));  // the colour it is drawn in
    }

    void dayColours_data() {
        QTest::addColumn<bool>("doneOption");
        QTest::addColumn<bool>("notDoneOption");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QColor>("back");
        const QColor aqua(0, 255, 255), red(255, 0, 0), none = QColor();
        QTest::newRow("done and open: open wins") << true << true << QDate(2005, 3, 10) << red;
        QTest::newRow("only done option") << true << false << QDate(2005, 3, 10) << aqua;
        QTest::newRow("only open option") << false << true << QDate(2005, 3, 10) << red;
        QTest::newRow("all done") << true << true << QDate(2005, 3, 11) << aqua;
        QTest::newRow("both options off") << false << false << QDate(2005, 3, 10) << none;
        QTest::newRow("no tasks") << true << true << QDate(2005, 3, 12) << none;
        QTest::newRow("today beats tasks") << true << true << QDate(2005, 3, 16) << QColor(0, 255, 0);
    }
    void dayColours() {
        QFETCH(bool, doneOption);
        QFETCH(bool, notDoneOption);
        QFETCH(QDate, date);
        QFETCH(QColor, back);
        MainFixture f(kStore);
        clickDay(f.w().cal(3), QDate(2005, 4, 5));  // another calendar is current: cal2's selection is plain
        Options().doneColor = doneOption;
        Options().notDoneColor = notDoneOption;
        const CellPaint cell = paintOf(f.w(), 2, date);
        QCOMPARE(cell.backColor, back.isValid() ? back : f.w().palette().color(QPalette::Button));
    }

    void selectedDayOfTheCurrentCalendarIsHighlighted() {
        MainFixture f(kStore);
        const CellPaint cell = paintOf(f.w(), 2, QDate(2005, 3, 16));
        QCOMPARE(cell.backColor, f.w().palette().color(QPalette::Highlight));
    }

    void hiddenTasksGiveNoColour() {
        MainFixture f(kStore);
        f.filter.categories = {{QStringLiteral("Work"), false}, {QStringLiteral("Home"), true}};
        QCOMPARE(paintOf(f.w(), 2, QDate(2005, 3, 11)).backColor, f.w().palette().color(QPalette::Button));
        QCOMPARE(paintOf(f.w(), 2, QDate(2005, 3, 10)).backColor, QColor(255, 0, 0));
    }

    void holidaysColourTheirDaysAndHeadTheDay() {
        MainFixture f(kStore);
        f.platform.writeFile(QStringLiteral("holiday.grd"),
                             "4,3\r\ncw 0,64\r\ncw 1,64\r\ncw 2,64\r\ncw 3,64\r\n"
                             "0,1,Pi Day\r\n1,1,03\r\n2,1,March\r\n3,1,14\r\n"
                             "0,2,Open House\r\n1,2,03\r\n2,2,March\r\n3,2,10\r\n");
        f.w().hide();
        f.w().show();  // each showing reads holiday.grd again
        const QColor yellow(255, 255, 0);
        QCOMPARE(paintOf(f.w(), 2, QDate(2005, 3, 14)).backColor, yellow);
        QCOMPARE(paintOf(f.w(), 2, QDate(2005, 3, 10)).backColor, QColor(255, 0, 0));  // tasks win
        Options().holidayColor = false;
        QCOMPARE(paintOf(f.w(), 2, QDate(2005, 3, 14)).backColor, f.w().palette().color(QPalette::Button));
        clickDay(f.w().cal(2), QDate(2005, 3, 14));
        auto* heading = f.w().findChild<QLabel*>(QStringLiteral("lblDate"));
        QCOMPARE(heading->text(), QStringLiteral("Pi Day Mon 3/14/2005  2 days ago"));
        QCOMPARE(heading->palette().color(heading->foregroundRole()), QColor(Qt::red));
    }

    void todoCaptionCountsRows() {
        MainFixture one(kStore, kEmptyTodo + "0,1,Home\r\n1,1,a\r\n2,1,No\r\n");
        QCOMPARE(one.w().findChild<QLabel*>(QStringLiteral("EsLabel1"))->text(), QStringLiteral("To-do Tasks"));
        MainFixture two(kStore, QByteArray(kEmptyTodo).replace("3,2\r\n", "3,3\r\n") + "0,1,Home\r\n1,1,a\r\n");
        QCOMPARE(two.w().findChild<QLabel*>(QStringLiteral("EsLabel1"))->text(), QStringLiteral("2 To-do Tasks"));
    }

    void arrowKeysMoveTheSelectedDay() {
        MainFixture f(kStore);
        GridView* list = f.w().dayListView();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Right);
        QCOMPARE(f.w().selectedDate(), QDate(2005, 3, 17));
        QTest::keyClick(list, Qt::Key_Left);
        QTest::keyClick(list, Qt::Key_Left);
        QCOMPARE(f.w().selectedDate(), QDate(2005, 3, 15));
        QTest::keyClick(list, Qt::Key_Up);  // an empty day: a week back
        QCOMPARE(f.w().selectedDate(), QDate(2005, 3, 8));
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(f.w().selectedDate(), QDate(2005, 3, 15));
    }

    void doubleClickOnAnEmptyPastDayAddsATask() {
        MainFixture f(kStore);
        MonthCalendar* c = f.w().cal(2);
        QString title;
        onEditor([&title](TfrmEdit* e) {
            QVERIFY(e);
            title = e->lblTitle->text();
            e->reject();
        });
        QTest::mouseDClick(c, Qt::LeftButton, {}, c->cellRect(c->cellOfDate(QDate(2005, 3, 12))).center());
        QCOMPARE(title, QStringLiteral("PAST Sat 3/12/2005 4 days ago"));
    }

    void resizeMenuCommands() {
        MainFixture f(kStore);
        QTRY_VERIFY(!f.w().timerPool().isActive(Trigger::SplitterHighlight));  // the first layout pass
        auto* split = f.w().findChild<QSplitter*>(QStringLiteral("splitMain"));
        f.trigger("N4monthCalendars1");
        QVERIFY(f.w().timerPool().isActive(Trigger::SplitterHighlight));
        QTRY_VERIFY_WITH_TIMEOUT(!f.w().timerPool().isActive(Trigger::SplitterHighlight), 3000);
        QVERIFY(!split->handle(1)->styleSheet().isEmpty());  // fifteen steps end on the highlighted bar
        f.trigger("Maximizedailyevents1");
        QVERIFY(f.w().findChild<QWidget*>(QStringLiteral("pnlTodo"))->height() <= 8 + 2);
        QVERIFY(f.w().dayListView()->hasFocus());
        f.trigger("Maximizenondaytasks1");
        QVERIFY(f.w().todoListView()->hasFocus());
    }
};

QTEST_MAIN(TestCalendarWindow)
#include "test_calendarwindow.moc"
