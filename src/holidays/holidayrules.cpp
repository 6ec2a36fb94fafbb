#include "holidays/holidayrules.h"

#include <QFile>

#include <vector>

#include "app/taskstore.h"
#include "common/basic.h"
#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "common/platform.h"
#include "common/routines.h"
#include "data/gridtable.h"
#include "data/tablefile.h"

namespace {

const QLatin1String kFloatingSeparator(" : ");

// The lower-cased long month and day names of the format settings, rebuilt only when
// those change (the lists are shared, so the check is a pointer comparison).
struct LowerNames {
    QStringList monthSource;
    QStringList daySource;
    QStringList months;  // January first
    QStringList days;    // Sunday first
    quint64 generation = 0;

    void refresh() {
        const FormatSettings& fs = ProcessFormatSettings();
        if (generation > 0 && monthSource == fs.longMonthNames && daySource == fs.longDayNames) {
            monthSource = fs.longMonthNames;
            daySource = fs.longDayNames;
            return;
        }
        ++generation;
        monthSource = fs.longMonthNames;
        daySource = fs.longDayNames;
        months.clear();
        days.clear();
        for (const QString& m : monthSource)
            months << m.toLower();
        for (const QString& d : daySource)
            days << d.toLower();
    }
};

LowerNames& lowerNames() {
    static LowerNames names;
    names.refresh();
    return names;
}

bool validDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && QDate::isValid(year, month, day);
}

// The day SafeEncodeDate lands on, or 0 when it falls back to the clock.
int safeDay(int year, int month, int day) {
    if (validDate(year, month, day))
        return day;
    if (validDate(year, month, day - 1))
        return day - 1;
    return 0;
}

int weekdaySundayFirst(const QDate& date) {
    return date.dayOfWeek() % 7 + 1;
}

// A rule read once: which of its three forms it has and what it needs to find its day.
struct ParsedRule {
    enum Kind : quint8 { Never, OneTime, Fixed, Floating };
    Kind kind = Never;
    int value = 0;       // OneTime: the day number; Fixed: the day of month
    quint8 ordinal = 0;  // Floating: 1 to 5, 0 when no ordinal word was found
    quint8 weekday = 0;  // Floating: 1 (Sunday) to 7, 0 when no day name was found
    quint16 months = 0;  // bit m: the month column names month m
    int memoMonth = -1;  // Floating: year * 12 + month of the memoised day
    int memoDay = 0;
};

ParsedRule parseRule(const QString& rule, const LowerNames& names) {
    ParsedRule p;
    if (IsOneTimeRule(rule)) {
        const QString text = rule.left(20);
        const int year = SafeStrToInt(text.mid(0, 4));
        const int month = SafeStrToInt(text.mid(4, 2));
        const int day = safeDay(year, month, SafeStrToInt(text.mid(6, 2)));
        // A date that falls back to the clock carries a time of day and matches no day.
        if (day > 0) {
            p.kind = ParsedRule::OneTime;
            p.value = DayNumber(QDate(year, month, day));
        }
        return p;
    }
    if (!rule.contains(QLatin1Char(':'))) {
        p.kind = ParsedRule::Fixed;
        p.value = SafeStrToInt(rule);
        return p;
    }
    p.kind = ParsedRule::Floating;
    const QString lower = rule.toLower();
    static const char* const kWords[] = {"first", "second", "third", "fourth", "last"};
    for (int i = 0; i < 5 && p.ordinal == 0; ++i)
        if (lower.contains(QLatin1String(kWords[i])))
            p.ordinal = quint8(i + 1);
    for (int i = 0; i < names.days.size() && i < 7 && p.weekday == 0; ++i)
        if (lower.contains(names.days[i]))
            p.weekday = quint8(i + 1);
    return p;
}

// The day of month a floating rule gives, 0 when it falls on no day.
int floatingDay(const ParsedRule& p, int year, int month) {
    if (p.ordinal == 0 || p.weekday == 0)
        return safeDay(year, month, 1);
    return safeDay(year, month, NthWeekdayOfMonth(year, month, p.ordinal, p.weekday));
}

struct HolidayCache {
    quint64 revision = 0;
    quint64 namesGeneration = 0;
    std::vector<ParsedRule> rules;  // rules[i] is row i + 1
};

}  // namespace

const QStringList& HolidayOrdinals() {
    static const QStringList words = {QStringLiteral("First"), QStringLiteral("Second"), QStringLiteral("Third"),
                                      QStringLiteral("Fourth"), QStringLiteral("Last")};
    return words;
}

bool IsOneTimeRule(const QString& rule) {
    return CountDigits(rule) == 8;
}

double SafeEncodeDate(int year, int month, int day) {
    const int d = safeDay(year, month, day);
    if (d > 0)
        return ToDateValue(QDate(year, month, d));
    return ToDateValue(Platform::clock().now());
}

double DateFromYMDText(const QString& text) {
    const QString t = text.left(20);
    return SafeEncodeDate(SafeStrToInt(t.mid(0, 4)), SafeStrToInt(t.mid(4, 2)), SafeStrToInt(t.mid(6, 2)));
}

int NthWeekdayOfMonth(int year, int month, int n, int weekday) {
    const int count = DaysInMonth(month, year);
    auto weekdayOf = [year, month](int day) {
        const int d = safeDay(year, month, day);
        return weekdaySundayFirst(d > 0 ? QDate(year, month, d) : Platform::clock().now().date());
    };
    if (n < 5) {
        int seen = 0;
        for (int day = 1; day <= count; ++day)
            if (weekdayOf(day) == weekday && ++seen == n)
                return day;
        return 0;
    }
    for (int day = count; day >= 1; --day)
        if (weekdayOf(day) == weekday)
            return day;
    return 0;
}

double HolidayDateInYear(int year, int month, const QString& rule) {
    if (IsOneTimeRule(rule))
        return DateFromYMDText(rule);
    const ParsedRule p = parseRule(rule, lowerNames());
    if (p.kind == ParsedRule::Fixed)
        return SafeEncodeDate(year, month, p.value);
    if (p.ordinal == 0 || p.weekday == 0)
        return SafeEncodeDate(year, month, 1);
    return SafeEncodeDate(year, month, NthWeekdayOfMonth(year, month, p.ordinal, p.weekday));
}

QString GetHolidaysForDate(const GridTable& holidays, const QDate& date) {
    if (!date.isValid())
        return QString();
    // One table is asked over and over (the main window's), always on the interface thread.
    static HolidayCache cache;
    const LowerNames& names = lowerNames();
    const int rows = holidays.rowCount() - 1;
    if (cache.namesGeneration != names.generation || cache.revision != holidays.revision() ||
        int(cache.rules.size()) != rows) {
        cache.rules.clear();
        cache.rules.reserve(std::max(0, rows));
        for (int r = 1; r <= rows; ++r) {
            ParsedRule p = parseRule(holidays.cell(HolRule, r), names);
            const QString monthText = holidays.cell(HolMonth, r).toLower();
            for (int m = 0; m < names.months.size() && m < 12; ++m)
                if (monthText.contains(names.months[m]))
                    p.months |= quint16(1u << (m + 1));
            cache.rules.push_back(p);
        }
        cache.revision = holidays.revision();
        cache.namesGeneration = names.generation;
    }

    int year = 0, month = 0, day = 0;
    date.getDate(&year, &month, &day);
    const int dayNumber = DayNumber(date);
    const int monthKey = year * 12 + month;
    QString result;
    for (int i = 0; i < rows; ++i) {
        ParsedRule& p = cache.rules[size_t(i)];
        if (!(p.months & (1u << month)))
            continue;
        bool match = false;
        switch (p.kind) {
            case ParsedRule::OneTime:
                match = p.value == dayNumber;
                break;
            case ParsedRule::Fixed:
                match = safeDay(year, month, p.value) == day;
                break;
            case ParsedRule::Floating:
                if (p.memoMonth != monthKey) {
                    p.memoDay = floatingDay(p, year, month);
                    p.memoMonth = monthKey;
                }
                match = p.memoDay == day;
                break;
            case ParsedRule::Never:
                break;
        }
        if (!match)
            continue;
        if (!result.isEmpty())
            result += QLatin1String("; ");
        result += holidays.cell(HolName, i + 1);
    }
    return result;
}

QString GetHolidaysForDate(const GridTable& holidays, const QDateTime& date) {
    return GetHolidaysForDate(holidays, date.date());
}

void SetHolidayRow(GridTable& table, int row, const HolidayEntry& entry) {
    table.setCell(HolName, row, entry.name);
    table.setCell(HolMonthNumber, row, QString::asprintf("%.2d", MonthNameToNumber(entry.month)));
    table.setCell(HolMonth, row, entry.month);
    QString rule;
    if (entry.oneTime)
        rule = entry.date.isValid()
                   ? QString::asprintf("%.4d%.2d%.2d", entry.date.year(), entry.date.month(), entry.date.day())
                   : QString();
    else if (entry.floating)
        rule = entry.ordinal + kFloatingSeparator + entry.weekday;
    else
        rule = entry.dayOfMonth;
    table.setCell(HolRule, row, rule);
}

HolidayEntry HolidayEntryFromRow(const GridTable& table, int row) {
    HolidayEntry e;
    e.name = table.cell(HolName, row);
    e.month = table.cell(HolMonth, row);
    const QString& rule = table.cell(HolRule, row);
    if (IsOneTimeRule(rule)) {
        e.oneTime = true;
        e.date = FromDateValue(DateFromYMDText(rule)).date();
        return e;
    }
    const int at = int(rule.indexOf(kFloatingSeparator));
    if (at >= 0) {
        e.floating = true;
        e.ordinal = rule.left(at);
        e.weekday = rule.mid(at + kFloatingSeparator.size(), 255);
    } else {
        e.dayOfMonth = rule;
        e.dayNumber = SafeStrToInt(rule);
    }
    return e;
}

void InitHolidayTable(GridTable& table) {
    table.setColCount(4);
    table.setRowCount(2);
    ClearGridRows(table);
    static const char* const kHeadings[] = {"Holiday name", "Mo #", "Month", "Day of month"};
    static const int kWidths[] = {286, 61, 80, 147};
    for (int c = 0; c < 4; ++c) {
        table.setCell(c, 0, QLatin1String(kHeadings[c]));
        table.setColWidth(c, kWidths[c]);
    }
}

QString HolidayFilePath() {
    return JoinPath(Platform::appFolder(), QStringLiteral("holiday.grd"));
}

bool LoadHolidayTable(GridTable& table) {
    const QString path = HolidayFilePath();
    if (!QFile::exists(path))
        return false;
    ClearGridRows(table);
    ReadTableFile(table, path);
    return true;
}

void SaveHolidayTable(const GridTable& table) {
    WriteTableFile(table, HolidayFilePath());
}
