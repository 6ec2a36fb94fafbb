#pragma once
// The process-wide date and time format settings and the routine that formats date
// values with the program's format letters:
//   d dd ddd dddd   day, with leading zero, short and long day name
//   ddddd dddddd    the short and the long date format
//   m mm mmm mmmm   month (minutes right after an hour), short and long month name
//   yy yyyy         year;  h hh n nn s ss  hour, minute, second
//   t tt            the short and the long time format;  c  short date and long time
//   am/pm a/p ampm  12-hour clock designators;  / :  date and time separators
//   '...' "..."     literal text
// Letters are case-insensitive. Formats taken from the locale are stored in this same
// language (the locale's AM/PM marker becomes "AMPM", its time zone is dropped).

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

struct FormatSettings {
    QString shortDateFormat;
    QString longDateFormat;
    QString shortTimeFormat;
    QString longTimeFormat;
    QChar dateSeparator = QLatin1Char('/');
    QChar timeSeparator = QLatin1Char(':');
    QChar decimalSeparator = QLatin1Char('.');
    QString timeAMString;
    QString timePMString;
    QStringList shortMonthNames;  // January first, 12 names, as a month is named on its own
    QStringList longMonthNames;
    // The month names as they read beside a day number ("16 марта"); where these lists
    // are empty, the names above serve.
    QStringList shortMonthNamesInDate;
    QStringList longMonthNamesInDate;
    QStringList shortDayNames;  // Sunday first, 7 names
    QStringList longDayNames;

    static FormatSettings fromLocale(const QLocale& locale);
};

// The settings every formatting and parsing routine uses. Built from QLocale() on
// first use; ResetFormatSettings() builds them again (after QLocale::setDefault).
FormatSettings& ProcessFormatSettings();
void ResetFormatSettings();

// Four-digit years and month numbers in the short date format, no seconds in the long
// time format. Run at each showing of the main window.
void fix2000(FormatSettings& settings);

QString FormatDateTime(const QString& format, const QDateTime& value, const FormatSettings& settings);
QString FormatDateTime(const QString& format, const QDateTime& value);
QString FormatDateTime(const QString& format, double dateValue);

// Reads a time of day ("9:05", "9:05 PM", "21:05:30") with the settings' separators and
// AM/PM strings. Gives the time as a fraction of a day.
bool TryStrToTime(const QString& text, double& value, const FormatSettings& settings);
// Reads a date in the order of the short date format (day, month and year numbers).
bool TryStrToDate(const QString& text, QDate& value, const FormatSettings& settings);
