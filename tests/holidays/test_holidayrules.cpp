#include <QFile>
#include <QtTest>
#include <cmath>

#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "data/gridtable.h"
#include "holidays/holidayrules.h"
#include "support/testsupport.h"

namespace {

// A holiday table of (name, month name, rule) rows.
GridTable holidayTable(const QList<QStringList>& rows) {
    GridTable t;
    InitHolidayTable(t);
    t.setRowCount(int(rows.size()) + 1);
    for (int r = 0; r < rows.size(); ++r) {
        t.setCell(HolName, r + 1, rows[r][0]);
        t.setCell(HolMonth, r + 1, rows[r][1]);
        t.setCell(HolRule, r + 1, rows[r][2]);
    }
    return t;
}

// The days of the month on which the table names any holiday, as "d d d".
QString holidayDays(const GridTable& t, int year, int month) {
    QStringList days;
    const QDate first(year, month, 1);
    for (int d = 1; d <= first.daysInMonth(); ++d)
        if (!GetHolidaysForDate(t, QDate(year, month, d)).isEmpty())
            days << QString::number(d);
    return days.join(QLatin1Char(' '));
}

bool isWholeDay(double value) {
    return value == std::trunc(value);
}

}  // namespace

Q_DECLARE_METATYPE(HolidayEntry)

class TestHolidayRules : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { InitTestEnvironment("en_US"); }
    void cleanup() { InitTestEnvironment("en_US"); }

    // Each rule in a month of a year: the date the rule gives (invalid: the clock's
    // fallback) and the day of the month on which the lookup shows it (0: none).
    void ruleFallsOnItsDay_data() {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("shown");
        QTest::addColumn<QDate>("date");
        auto add = [](const char* name, const char* rule, int year, int month, int shown, QDate date = {}) {
            if (shown > 0 && !date.isValid())
                date = QDate(year, month, shown);
            QTest::newRow(name) << QString::fromUtf8(rule) << year << month << shown << date;
        };
        add("29 Feb, leap year", "29", 2004, 2, 29);
        add("29 Feb, common year: the 28th", "29", 2005, 2, 28);
        add("29 Feb 1900, no leap day in century years", "29", 1900, 2, 28);
        add("31 in a 30-day month: the 30th", "31", 2005, 4, 30);
        add("day 1", "1", 2005, 1, 1);
        add("day 32 moves back one day only", "32", 2005, 1, 31);
        add("day 33 has no date", "33", 2005, 1, 0);
        add("day 0 has no date", "0", 2005, 1, 0);
        add("last Monday of May 2005", "Last : Monday", 2005, 5, 30);
        add("last Monday of May 2004, the 31st", "Last : Monday", 2004, 5, 31);
        add("fourth Thursday of November 2005", "Fourth : Thursday", 2005, 11, 24);
        add("fourth Thursday of November 2004", "Fourth : Thursday", 2004, 11, 25);
        add("first Sunday, month starting on a Sunday", "First : Sunday", 2005, 5, 1);
        add("second Tuesday, month starting on a Tuesday", "Second : Tuesday", 2005, 3, 8);
        add("third Saturday", "Third : Saturday", 2005, 5, 21);
        add("words in any case", "fourth : THURSDAY", 2005, 11, 24);
        add("last Wednesday, February 1900", "Last : Wednesday", 1900, 2, 28);
        add("no ordinal word: the 1st", "Every : Monday", 2005, 5, 1);
        add("no day name: the 1st", "First : Someday", 2005, 5, 1);
        add("one-time date in its year", "20050325", 2005, 3, 25);
        add("one-time date, another year", "20050325", 2006, 3, 0, QDate(2005, 3, 25));
        add("one-time 29 Feb of a common year", "20050229", 2005, 2, 28);
        add("one-time digits that are no date", "20051345", 2005, 12, 0);
        add("hand-edited nonsense", "Easter", 2005, 3, 0);
        add("empty rule", "", 2005, 3, 0);
    }

    void ruleFallsOnItsDay() {
        QFETCH(QString, rule);
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, shown);
        QFETCH(QDate, date);
        TestPlatform platform;
        const double expected = date.isValid() ? ToDateValue(date) : ToDateValue(platform.clock->current);
        QCOMPARE(HolidayDateInYear(year, month, rule), expected);
        const QString monthName = ProcessFormatSettings().longMonthNames[month - 1];
        const GridTable t = holidayTable({{QStringLiteral("H"), monthName, rule}});
        QCOMPARE(holidayDays(t, year, month), shown > 0 ? QString::number(shown) : QString());
    }

    void impossibleDatesFallBackToTheClock() {
        TestPlatform platform;
        const double now = ToDateValue(platform.clock->current);
        QVERIFY(!isWholeDay(now));
        QCOMPARE(SafeEncodeDate(2005, 2, 31), now);
        QCOMPARE(SafeEncodeDate(2005, 13, 1), now);
        QCOMPARE(SafeEncodeDate(0, 1, 1), now);
        QCOMPARE(DateFromYMDText(QStringLiteral("20051345")), now);
        QCOMPARE(HolidayDateInYear(2005, 3, QStringLiteral("Easter")), now);
        QCOMPARE(HolidayDateInYear(2005, 2, QStringLiteral("Fifth : Monday")), SafeEncodeDate(2005, 2, 1));
        QCOMPARE(DateFromYMDText(QStringLiteral("20040229 and more text")), ToDateValue(QDate(2004, 2, 29)));
    }

    void nthWeekdayOfMonth_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("weekday");
        QTest::addColumn<int>("day");
        QTest::newRow("first Sunday, May 2005") << 2005 << 5 << 1 << 1 << 1;
        QTest::newRow("fourth Thursday, Nov 2005") << 2005 << 11 << 4 << 5 << 24;
        QTest::newRow("last Monday, May 2005") << 2005 << 5 << 5 << 2 << 30;
        QTest::newRow("above 5 also means last") << 2005 << 5 << 9 << 2 << 30;
        QTest::newRow("last Tuesday, Feb 2005") << 2005 << 2 << 5 << 3 << 22;
        QTest::newRow("no weekday 8") << 2005 << 5 << 1 << 8 << 0;
        QTest::newRow("no 0th") << 2005 << 5 << 0 << 2 << 0;
        QTest::newRow("no month 13") << 2005 << 13 << 1 << 2 << 0;
    }

    void nthWeekdayOfMonth() {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, n);
        QFETCH(int, weekday);
        QFETCH(int, day);
        QCOMPARE(NthWeekdayOfMonth(year, month, n, weekday), day);
    }

    void namesJoinInRowOrder() {
        GridTable t = holidayTable({{QStringLiteral("Alpha"), QStringLiteral("May"), QStringLiteral("30")},
                                    {QStringLiteral("Other"), QStringLiteral("May"), QStringLiteral("29")},
                                    {QStringLiteral("Beta"), QStringLiteral("May"), QStringLiteral("Last : Monday")}});
        const QDate day(2005, 5, 30);
        QCOMPARE(GetHolidaysForDate(t, day), QStringLiteral("Alpha; Beta"));
        QCOMPARE(GetHolidaysForDate(t, QDateTime(day, QTime(23, 59))), QStringLiteral("Alpha; Beta"));
        QCOMPARE(GetHolidaysForDate(t, day.addDays(1)), QString());
        t.moveRow(3, 1);
        QCOMPARE(GetHolidaysForDate(t, day), QStringLiteral("Beta; Alpha"));
        // A change of a cell shows at once.
        t.setCell(HolRule, 2, QStringLiteral("29"));
        QCOMPARE(GetHolidaysForDate(t, day), QStringLiteral("Beta"));
        QCOMPARE(GetHolidaysForDate(t, QDate(2005, 5, 29)), QStringLiteral("Alpha; Other"));
    }

    // The month column is matched against the locale's month names, by containment.
    void rowsAreChosenByTheirMonthName() {
        const GridTable t = holidayTable({{QStringLiteral("English"), QStringLiteral("May"), QStringLiteral("1")},
                                          {QStringLiteral("German"), QStringLiteral("Mai"), QStringLiteral("1")},
                                          {QStringLiteral("Upper"), QStringLiteral("MAY"), QStringLiteral("1")},
                                          {QStringLiteral("Wrong"), QStringLiteral("June"), QStringLiteral("1")},
                                          {QStringLiteral("Blank"), QString(), QStringLiteral("1")}});
        const QDate day(2005, 5, 1);
        QCOMPARE(GetHolidaysForDate(t, day), QStringLiteral("English; Upper"));
        InitTestEnvironment("de_DE");
        QCOMPARE(GetHolidaysForDate(t, day), QStringLiteral("German"));
    }

    void emptyTableHasNoHolidays() {
        GridTable t;
        InitHolidayTable(t);
        for (QDate d(2005, 1, 1); d.year() == 2005; d = d.addDays(1))
            QVERIFY(GetHolidaysForDate(t, d).isEmpty());
        QVERIFY(GetHolidaysForDate(GridTable(1, 1), QDate(2005, 1, 1)).isEmpty());
        QVERIFY(GetHolidaysForDate(t, QDate()).isEmpty());
    }

    void rowFromEditor_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<HolidayEntry>("entry");
        QTest::addColumn<QStringList>("cells");
        HolidayEntry fixed;
        fixed.name = QStringLiteral("Flag Day");
        fixed.month = QStringLiteral("June");
        fixed.dayOfMonth = QStringLiteral("14");
        HolidayEntry floating;
        floating.name = QStringLiteral("Memorial Day");
        floating.month = QStringLiteral("May");
        floating.floating = true;
        floating.ordinal = QStringLiteral("Last");
        floating.weekday = QStringLiteral("Monday");
        HolidayEntry once;
        once.name = QStringLiteral("Easter 2005");
        once.month = QStringLiteral("March");
        once.oneTime = true;
        once.floating = true;  // the type decides, not the day choice
        once.date = QDate(2005, 3, 27);
        HolidayEntry german = floating;
        german.month = QStringLiteral("Mai");
        german.weekday = QStringLiteral("Montag");
        QTest::newRow("fixed") << "en_US" << fixed << QStringList{"Flag Day", "06", "June", "14"};
        QTest::newRow("floating") << "en_US" << floating << QStringList{"Memorial Day", "05", "May", "Last : Monday"};
        QTest::newRow("one-time") << "en_US" << once << QStringList{"Easter 2005", "03", "March", "20050327"};
        QTest::newRow("unknown month name")
            << "en_US" << german << QStringList{"Memorial Day", "00", "Mai", "Last : Montag"};
        QTest::newRow("German month name")
            << "de_DE" << german << QStringList{"Memorial Day", "05", "Mai", "Last : Montag"};
    }

    // A row written from the editor's values reads back as the same values.
    void rowFromEditor() {
        QFETCH(QString, locale);
        QFETCH(HolidayEntry, entry);
        QFETCH(QStringList, cells);
        InitTestEnvironment(qPrintable(locale));
        GridTable t;
        InitHolidayTable(t);
        SetHolidayRow(t, 1, entry);
        QCOMPARE(t.rowCells(1), cells);
        const HolidayEntry back = HolidayEntryFromRow(t, 1);
        QCOMPARE(back.name, entry.name);
        QCOMPARE(back.month, entry.month);
        QCOMPARE(back.oneTime, entry.oneTime);
        if (entry.oneTime) {
            QCOMPARE(back.date, entry.date);
        } else {
            QCOMPARE(back.floating, entry.floating);
            QCOMPARE(back.ordinal, entry.ordinal);
            QCOMPARE(back.weekday, entry.weekday);
            QCOMPARE(back.dayNumber, entry.dayOfMonth.toInt());
        }
    }

    void loadReplacesTheTable() {
        TestPlatform platform;
        GridTable t;
        InitHolidayTable(t);
        t.setRowCount(5);
        t.setCell(HolName, 4, QStringLiteral("Stale"));
        QVERIFY(!LoadHolidayTable(t));
        QCOMPARE(t.cell(HolName, 4), QStringLiteral("Stale"));

        platform.writeFile(QStringLiteral("holiday.grd"),
                           "4,2\r\ncw 0,286\r\ncw 1,61\r\ncw 2,80\r\ncw 3,147\r\n"
                           "0,0,Holiday name\r\n1,0,Mo #\r\n2,0,Month\r\n3,0,Day of month\r\n"
                           "0,1,Flag Day\r\n1,1,06\r\n2,1,June\r\n3,1,14\r\n");
        QVERIFY(LoadHolidayTable(t));
        QCOMPARE(t.rowCount(), 2);
        QCOMPARE(t.rowCells(1), (QStringList{"Flag Day", "06", "June", "14"}));
        QCOMPARE(GetHolidaysForDate(t, QDate(2005, 6, 14)), QStringLiteral("Flag Day"));

        t.setCell(HolName, 1, QStringLiteral("Renamed"));
        SaveHolidayTable(t);
        GridTable again;
        QVERIFY(LoadHolidayTable(again));
        QCOMPARE(again.rowCells(1), (QStringList{"Renamed", "06", "June", "14"}));
        QCOMPARE(again.colWidth(0), 286);
    }
};

QTEST_GUILESS_MAIN(TestHolidayRules)
#include "test_holidayrules.moc"
