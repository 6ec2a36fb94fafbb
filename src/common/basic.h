#pragma once
// Basic routines: the three message boxes, the cell-text conversions that never fail,
// and joining the application folder with a file name.

#include <QDateTime>
#include <QString>

void ShowErrorMessage(const QString& text);    // exclamation sound, error box
void ShowWarningMessage(const QString& text);  // hand sound, warning box
void ShowInfoMessage(const QString& text);     // information box, no sound

// "Yes" or "No": every Yes/No flag of the tables is written with it.
QString BoolToYesNo(bool flag);
// The text as an integer, or 0 when empty or not an integer.
int SafeStrToInt(const QString& text);
// Reads "38353.101" the same in every locale: the first "." is the decimal point.
// Empty or unreadable text gives 0.
double DotStrToFloat(const QString& text);
// The text read as a time of day (a date value below 1), or the current date and time
// as a date value when it does not read as a time; so unreadable times sort last.
double SafeStrToTime(const QString& text);
// folder + name, with exactly one separator between them.
QString JoinPath(const QString& folder, const QString& name);
