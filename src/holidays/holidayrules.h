#pragma once
// Holiday rules and the holiday table. A holiday row holds a name, the month number,
// the month's long name and a rule: eight digits "yyyymmdd" for a one-time date,
// "<ordinal> : <weekday>" for the n-th or last weekday of the month, otherwise a day
// of the month. The lookup answers which holidays fall on a day.

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

class GridTable;

// Columns of a holiday row.
enum HolidayColumn { HolName = 0, HolMonthNumber = 1, HolMonth = 2, HolRule = 3 };

// The ordinal words of floating rules, in order; the fifth is the last one.
const QStringList& HolidayOrdinals();

// The names of the holidays falling on the day of the date (its time is ignored), in
// row order, joined by "; "; empty when there is none. Cheap enough for every painted
// day cell: the rules are read once per revision of the table.
QString GetHolidaysForDate(const GridTable& holidays, const QDate& date);
QString GetHolidaysForDate(const GridTable& holidays, const QDateTime& date);

// The date value of a rule in the year and month. A one-time rule gives its own date.
double HolidayDateInYear(int year, int month, const QString& rule);
// The day of month (1 to 31) of the n-th weekday (1 Sunday ... 7 Saturday) of the month;
// n of 5 or more asks for the last one. 0 when there is none.
int NthWeekdayOfMonth(int year, int month, int n, int weekday);
// The date value of the day; an impossible day moves to the day before, and when that is
// impossible too the answer is the current date and time, which equals no whole day.
double SafeEncodeDate(int year, int month, int day);
// The date value of a text written "yyyymmdd".
double DateFromYMDText(const QString& text);
// True when the text holds exactly eight decimal digits: a one-time rule.
bool IsOneTimeRule(const QString& rule);

// What the holiday editor yields, and how it becomes a row.
struct HolidayEntry {
    QString name;
    QString month;  // the long month name
    bool oneTime = false;
    bool floating = false;
    QString dayOfMonth;  // specific day of an annual holiday
    QString ordinal;     // floating day: "First" ... "Last"
    QString weekday;     // floating day: the long day name
    QDate date;          // one-time holiday
    int dayNumber = 0;   // the specific day read back from a row (0 when none)
};

// Writes the entry into the row: name, "%.2d" month number, month name, rule.
void SetHolidayRow(GridTable& table, int row, const HolidayEntry& entry);
// The entry a row presets the editor with.
HolidayEntry HolidayEntryFromRow(const GridTable& table, int row);

// A table as the Holidays dialog designs it: four headed columns and one empty row.
void InitHolidayTable(GridTable& table);
// holiday.grd in the application folder.
QString HolidayFilePath();
// When holiday.grd exists: empties the data rows of the table and loads the file, so the
// table holds exactly the file's rows, and answers true. Throws CalvoraError when the
// file cannot be read.
bool LoadHolidayTable(GridTable& table);
// Writes the table to holiday.grd; throws CalvoraError when it cannot.
void SaveHolidayTable(const GridTable& table);
