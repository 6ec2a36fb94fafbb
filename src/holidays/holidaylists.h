#pragma once
// The built-in holiday lists offered for import: 25 countries and religious calendars,
// each entry a date code and a name, and the way an entry becomes a holiday row.
// Date codes: "MmmDD" a fixed day ("Dec25"), "NDMmm" the N-th (5: last) weekday D
// (1 Sunday ... 7 Saturday) of a month ("45Nov"), "yyyymmdd" a one-time date.

#include <QString>
#include <QStringList>

class GridTable;

struct HolidayStructure {
    qint32 countryIndex;
    const char* code;
    const char* name;  // UTF-8
};

constexpr int kHolidayCountryCount = 25;
constexpr int kHolidayListCount = 311;
extern const char* const kHolidayCountries[kHolidayCountryCount];
extern const HolidayStructure kHolidayList[kHolidayListCount];

// "st", "nd", "rd" or "th" for a day or ordinal number.
QString NumberSuffix(int n);
// How the import list shows a code, with the locale's short month and day names:
// "25 Mar 2005:", "4th Thu in Nov", "Dec 25th".
QString HolidayCodeText(const QString& code);
// The import list's items of one country: code text, a tab, the name.
QStringList HolidayItemsOfCountry(int country);
// Fills the row from an import list item, as a holiday row with its rule.
void FillHolidayRowFromItem(GridTable& table, int row, const QString& item);
