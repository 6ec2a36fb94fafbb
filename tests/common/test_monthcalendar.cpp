// The month calendar widget: the order of its date events, month steps, the cell grid
// and its mapping to dates, the draw handler's flags and colours, mouse and keys.

#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

#include "common/monthcalendar.h"
#include "support/testsupport.h"

namespace {

// Records the calendar's events in the order they arrive.
struct EventLog {
    QStringList events;
    explicit EventLog(MonthCalendar& cal) {
        QObject::connect(&cal, &MonthCalendar::dateChanged,
                         [this, &cal] { events << QStringLiteral("date ") + cal.date().toString(Qt::ISODate); });
        QObject::connect(&cal, &MonthCalendar::monthChanged, [this] { events << QStringLiteral("month"); });
        QObject::connect(&cal, &MonthCalendar::yearChanged, [this] { events << QStringLiteral("year"); });
        QObject::connect(&cal, &MonthCalendar::clicked, [this] { events << QStringLiteral("clicked"); });
        QObject::connect(&cal, &MonthCalendar::cellDoubleClicked,
                         [this](int index) { events << QStringLiteral("double %1").arg(index); });
        QObject::connect(&cal, &MonthCalendar::pagePressed,
                         [this](int months) { events << QStringLiteral("page %1").arg(months); });
    }
};

// 16 March 2005 is a Wednesday; with Sunday first, the grid starts on 27 February, so
// 1 March is cell 2, the 16th cell 17 and cell 41 is 9 April.
const QDate kDate(2005, 3, 16);

QColor pixel(const QImage& image, const QPoint& point) {
    return image.pixelColor(point);
}

int countPixels(const QImage& image, const QRect& rect, const QColor& color) {
    int n = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            n += image.pixelColor(x, y) == color ? 1 : 0;
    return n;
}

}  // namespace

class TestMonthCalendar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitTestEnvironment("en_US"); }

    void setDateEvents_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("same date") << kDate << kDate << QStringList{};
        QTest::newRow("same month") << kDate << QDate(2005, 3, 1) << QStringList{"date 2005-03-01"};
        QTest::newRow("next month") << kDate << QDate(2005, 4, 16) << QStringList{"date 2005-04-16", "month"};
        QTest::newRow("year boundary") << QDate(2004, 12, 31) << QDate(2005, 1, 1)
                                       << QStringList{"date 2005-01-01", "month", "year"};
        QTest::newRow("same month, other year")
            << kDate << QDate(2006, 3, 16) << QStringList{"date 2006-03-16", "month", "year"};
        QTest::newRow("invalid date ignored") << kDate << QDate() << QStringList{};
    }
    void setDateEvents() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, events);
        MonthCalendar cal;
        cal.setDate(from);
        EventLog log(cal);
        cal.setDate(to);
        QCOMPARE(log.events, events);
        QCOMPARE(cal.date(), to.isValid() ? to : from);
    }

    void monthSteps_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("months");
        QTest::addColumn<QDate>("to");
        QTest::newRow("31 Jan + 1") << QDate(2005, 1, 31) << 1 << QDate(2005, 2, 28);
        QTest::newRow("31 Jan + 1, leap year") << QDate(2004, 1, 31) << 1 << QDate(2004, 2, 29);
        QTest::newRow("31 Mar - 1") << QDate(2005, 3, 31) << -1 << QDate(2005, 2, 28);
        QTest::newRow("31 Mar - 1, leap year") << QDate(2004, 3, 31) << -1 << QDate(2004, 2, 29);
        QTest::newRow("31 Mar + 1") << QDate(2005, 3, 31) << 1 << QDate(2005, 4, 30);
        QTest::newRow("December + 1") << QDate(2005, 12, 15) << 1 << QDate(2006, 1, 15);
        QTest::newRow("January - 1") << QDate(2005, 1, 10) << -1 << QDate(2004, 12, 10);
        QTest::newRow("29 Feb + 12") << QDate(2004, 2, 29) << 12 << QDate(2005, 2, 28);
    }
    void monthSteps() {
        QFETCH(QDate, from);
        QFETCH(int, months);
        QFETCH(QDate, to);
        MonthCalendar cal;
        cal.setDate(from);
        QSignalSpy monthSpy(&cal, &MonthCalendar::monthChanged);
        if (months == 1)
            cal.nextMonth();
        else if (months == -1)
            cal.prevMonth();
        else
            cal.addMonths(months);
        QCOMPARE(cal.date(), to);
        QCOMPARE(monthSpy.count(), 1);
    }

    void weekStart_data() {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("weekStart");
        QTest::addColumn<QDate>("firstCell");
        QTest::newRow("Tuesday 1st, Sunday first") << kDate << int(Qt::Sunday) << QDate(2005, 2, 27);
        QTest::newRow("Tuesday 1st, Monday first") << kDate << int(Qt::Monday) << QDate(2005, 2, 28);
        QTest::newRow("Sunday 1st, Sunday first") << QDate(2005, 5, 20) << int(Qt::Sunday) << QDate(2005, 5, 1);
        QTest::newRow("Sunday 1st, Monday first") << QDate(2005, 5, 20) << int(Qt::Monday) << QDate(2005, 4, 25);
        QTest::newRow("Monday 1st, Monday first") << QDate(2005, 8, 3) << int(Qt::Monday) << QDate(2005, 8, 1);
    }
    void weekStart() {
        QFETCH(QDate, date);
        QFETCH(int, weekStart);
        QFETCH(QDate, firstCell);
        MonthCalendar cal;
        cal.setDate(date);
        cal.setWeekStart(Qt::DayOfWeek(weekStart));
        QCOMPARE(cal.dateOfCell(0), firstCell);
        QCOMPARE(cal.dateOfCell(41), firstCell.addDays(41));
        QCOMPARE(cal.dateOfCell(42), QDate());
        QCOMPARE(cal.cellOfDate(date), int(firstCell.daysTo(date)));
        QCOMPARE(cal.cellOfDate(firstCell.addDays(-1)), -1);
    }

    // Whatever the size and switches, the 42 cells tile the day grid row by row, each
    // point of a cell maps back to it, and the header and frame map to no cell.
    void cellGeometry_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("header");
        QTest::addColumn<bool>("weekdays");
        QTest::addColumn<int>("bevel");
        QTest::newRow("main window size, raised") << QSize(145, 150) << true << true << 3;
        QTest::newRow("large") << QSize(400, 330) << true << true << 3;
        QTest::newRow("no week-day row") << QSize(145, 100) << true << false << 3;
        QTest::newRow("cells only") << QSize(60, 45) << false << false << 0;
        QTest::newRow("odd size") << QSize(101, 77) << true << true << 1;
    }
    void cellGeometry() {
        QFETCH(QSize, size);
        QFETCH(bool, header);
        QFETCH(bool, weekdays);
        QFETCH(int, bevel);
        MonthCalendar cal;
        cal.setDate(kDate);
        cal.setShowHeader(header);
        cal.setShowWeekdayHeader(weekdays);
        cal.setBevel(bevel ? MonthCalendar::Bevel::Raised : MonthCalendar::Bevel::None, bevel);
        cal.resize(size);

        const QRect first = cal.cellRect(0);
        const QRect last = cal.cellRect(41);
        QVERIFY(first.isValid());
        QVERIFY(QRect(bevel, bevel, size.width() - 2 * bevel, size.height() - 2 * bevel).contains(first | last));
        // The cells fill the width: at most a pixel of margin on either side.
        QVERIFY(first.left() - bevel <= 1);
        QVERIFY(size.width() - bevel - 1 - last.right() <= 1);
        QVERIFY(size.height() - bevel - 1 - last.bottom() <= 1);
        for (int i = 0; i < 42; ++i) {
            const QRect r = cal.cellRect(i);
            QVERIFY2(r.width() >= size.width() / 7 - 2 && r.height() >= 2, qPrintable(QString::number(i)));
            for (const QPoint& p : {r.center(), r.topLeft(), r.bottomRight()})
                QCOMPARE(cal.cellAt(p), i);
            if (i % 7 != 6)
                QCOMPARE(cal.cellRect(i + 1).left(), r.right() + 1);
            if (i < 35)
                QCOMPARE(cal.cellRect(i + 7).top(), r.bottom() + 1);
        }
        QCOMPARE(cal.cellAt(QPoint(first.left(), first.top() - 1)), -1);
        QCOMPARE(cal.cellAt(QPoint(last.right() + 1, last.bottom())), -1);
        QCOMPARE(cal.cellAt(QPoint(last.right(), last.bottom() + 1)), -1);
        QCOMPARE(cal.dateOfCell(cal.cellAt(cal.cellRect(17).center())), kDate);
    }

    void clickSelectsCell_data() {
        QTest::addColumn<int>("cell");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("day of the month") << 20 << QStringList{"date 2005-03-19", "clicked"};
        QTest::newRow("selected day") << 17 << QStringList{"clicked"};
        QTest::newRow("greyed next month") << 41 << QStringList{"date 2005-04-09", "month", "clicked"};
        QTest::newRow("greyed previous month") << 0 << QStringList{"date 2005-02-27", "month", "clicked"};
    }
    void clickSelectsCell() {
        QFETCH(int, cell);
        QFETCH(QStringList, events);
        MonthCalendar cal;
        cal.setDate(kDate);
        cal.resize(145, 150);
        EventLog log(cal);
        QTest::mouseClick(&cal, Qt::LeftButton, {}, cal.cellRect(cell).center());
        QCOMPARE(log.events, events);
    }

    // The double click selects first; the index it reports is the date's cell in the
    // month now shown.
    void doubleClick() {
        MonthCalendar cal;
        cal.setDate(kDate);
        cal.resize(145, 150);
        EventLog log(cal);
        QTest::mouseDClick(&cal, Qt::LeftButton, {}, cal.cellRect(41).center());
        QCOMPARE(cal.date(), QDate(2005, 4, 9));
        QCOMPARE(log.events.last(), QStringLiteral("double %1").arg(cal.cellOfDate(QDate(2005, 4, 9))));
        QVERIFY(log.events.indexOf(QStringLiteral("date 2005-04-09")) < log.events.size() - 1);
    }

    void mouseOutsideCells() {
        MonthCalendar cal;
        cal.setDate(kDate);
        cal.setShowNavButtons(false);
        cal.resize(145, 150);
        EventLog log(cal);
        QSignalSpy moves(&cal, &MonthCalendar::mouseMoved);
        QTest::mouseClick(&cal, Qt::LeftButton, {}, QPoint(72, 4));
        QMouseEvent move(QEvent::MouseMove, QPointF(30, 90), cal.mapToGlobal(QPointF(30, 90)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&cal, &move);
        QCOMPARE(log.events, QStringList{});
        QVERIFY(!moves.isEmpty());
        QCOMPARE(moves.last().first().toPoint(), QPoint(30, 90));
    }

    void pagingArrows_data() {
        QTest::addColumn<bool>("next");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("next") << true << QStringList{"page 1", "date 2005-04-16", "month"};
        QTest::newRow("previous") << false << QStringList{"page -1", "date 2005-02-16", "month"};
    }
    void pagingArrows() {
        QFETCH(bool, next);
        QFETCH(QStringList, events);
        MonthCalendar cal;
        cal.setDate(kDate);
        cal.setShowWeekdayHeader(false);
        cal.resize(145, 150);
        EventLog log(cal);
        // The arrows sit at the ends of the header, above the first row of cells.
        const int y = cal.cellRect(0).top() / 2;
        QTest::mouseClick(&cal, Qt::LeftButton, {}, QPoint(next ? cal.width() - 6 : 5, y));
        QCOMPARE(log.events, events);
    }

    void keys_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QDate>("to");
        QTest::newRow("left") << kDate << int(Qt::Key_Left) << QDate(2005, 3, 15);
        QTest::newRow("right") << kDate << int(Qt::Key_Right) << QDate(2005, 3, 17);
        QTest::newRow("up") << kDate << int(Qt::Key_Up) << QDate(2005, 3, 9);
        QTest::newRow("down") << kDate << int(Qt::Key_Down) << QDate(2005, 3, 23);
        QTest::newRow("right into April") << QDate(2005, 3, 31) << int(Qt::Key_Right) << QDate(2005, 4, 1);
        QTest::newRow("up into February") << QDate(2005, 3, 3) << int(Qt::Key_Up) << QDate(2005, 2, 24);
        QTest::newRow("page up") << QDate(2005, 3, 31) << int(Qt::Key_PageUp) << QDate(2005, 2, 28);
        QTest::newRow("page down") << kDate << int(Qt::Key_PageDown) << QDate(2005, 4, 16);
    }
    void keys() {
        QFETCH(QDate, from);
        QFETCH(int, key);
        QFETCH(QDate, to);
        MonthCalendar cal;
        cal.setDate(from);
        QSignalSpy dateSpy(&cal, &MonthCalendar::dateChanged);
        QTest::keyClick(&cal, Qt::Key(key));
        QCOMPARE(cal.date(), to);
        QCOMPARE(dateSpy.count(), 1);
    }

    void drawHandlerFlags() {
        MonthCalendar cal;
        cal.setDate(kDate);
        cal.resize(145, 150);
        QList<CellPaint> cells;
        cal.setDrawCellHandler([&cells](CellPaint& cell) { cells << cell; });
        cal.grab();
        QCOMPARE(cells.size(), 42);
        const QPalette pal = cal.palette();
        for (const CellPaint& cell : cells) {
            QCOMPARE(cell.date, cal.dateOfCell(cell.index));
            QCOMPARE(cell.day, cell.date.day());
            QCOMPARE(cell.inMonth, cell.index >= 2 && cell.index <= 32);
            QCOMPARE(cell.selected, cell.index == 17);
            QVERIFY(!cell.skip);
            if (cell.selected) {
                QCOMPARE(cell.backColor, pal.color(QPalette::Highlight));
                QCOMPARE(cell.textColor, pal.color(QPalette::HighlightedText));
            } else if (cell.inMonth) {
                QCOMPARE(cell.backColor, pal.color(QPalette::Button));
                QCOMPARE(cell.textColor, pal.color(QPalette::WindowText));
            } else {
                QVERIFY(cell.textColor != pal.color(QPalette::WindowText));
            }
        }

        // Without the neighbouring months, only the month's own days are offered.
        cells.clear();
        cal.setShowOtherMonths(false);
        cal.grab();
        QCOMPARE(cells.size(), 31);
        QCOMPARE(cells.first().date, QDate(2005, 3, 1));
    }

    // The colours the handler sets are the colours on screen; a skipped cell shows the
    // month background; an untouched selected cell takes the selected back colour.
    void drawHandlerColours_data() {
        QTest::addColumn<bool>("cellBevels");
        QTest::newRow("flat cells") << false;
        QTest::newRow("bevelled cells") << true;
    }
    void drawHandlerColours() {
        QFETCH(bool, cellBevels);
        MonthCalendar cal;
        cal.setDate(kDate);
        cal.resize(200, 180);
        cal.setCellBevels(cellBevels);
        cal.setBevel(MonthCalendar::Bevel::Raised, 3);
        cal.setMonthBackColor(Qt::yellow);
        cal.setSelectedBackColor(Qt::cyan);
        const QDate red(2005, 3, 10), skipped(2005, 3, 11);
        cal.setDrawCellHandler([&](CellPaint& cell) {
            if (cell.date == red) {
                cell.backColor = Qt::red;
                cell.textColor = Qt::blue;
            }
            cell.skip = cell.date == skipped;
        });
        const QImage image = cal.grab().toImage();
        const int inset = cellBevels ? 2 : 0;

        const QRect redCell = cal.cellRect(cal.cellOfDate(red));
        QCOMPARE(pixel(image, redCell.topLeft() + QPoint(inset, inset)), QColor(Qt::red));
        QVERIFY(countPixels(image, redCell, Qt::blue) > 0);  // the day number
        QCOMPARE(countPixels(image, cal.cellRect(cal.cellOfDate(red.addDays(1))), Qt::blue), 0);

        const QRect skippedCell = cal.cellRect(cal.cellOfDate(skipped));
        QCOMPARE(countPixels(image, skippedCell, Qt::yellow), skippedCell.width() * skippedCell.height());

        const QRect selectedCell = cal.cellRect(cal.cellOfDate(kDate));
        QCOMPARE(pixel(image, selectedCell.topLeft() + QPoint(inset, inset)), QColor(Qt::cyan));
        QCOMPARE(pixel(image, QPoint(0, 5)), cal.palette().color(QPalette::Light));  // the raised frame
    }

    // The main window sets the month colours from inside its draw handler: that may cost
    // one more paint, never an endless round of them.
    void coloursSetWhilePainting() {
        MonthCalendar cal;
        cal.setDate(kDate);
        cal.resize(145, 150);
        int calls = 0;
        cal.setDrawCellHandler([&](CellPaint&) {
            ++calls;
            cal.setMonthBackColor(Qt::yellow);
            cal.setWeekdayHeaderBackColor(Qt::yellow);
        });
        cal.show();
        QVERIFY(QTest::qWaitForWindowExposed(&cal));
        QTest::qWait(50);
        const int settled = calls;
        QTest::qWait(100);
        QCOMPARE(calls, settled);
        QVERIFY(settled > 0 && settled <= 3 * 42);
        QCOMPARE(cal.grab().toImage().pixelColor(cal.cellRect(0).bottomRight()), QColor(Qt::yellow));
    }
};

QTEST_MAIN(TestMonthCalendar)
#include "test_monthcalendar.moc"
