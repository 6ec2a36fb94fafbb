#pragma once
// Small text, search, file and calendar routines shared by every window.

#include <QDate>
#include <QString>
#include <QStringList>

struct FormatSettings;

QString IfThenStr(bool flag, const QString& whenTrue, const QString& whenFalse);
QString PluralS(int n);  // "s" when n > 1

bool IsDigitChar(QChar c);
int CountDigits(const QString& text);
bool IsBlankChar(QChar c);  // codes 8, 10, 13 and 32 only
bool IsBlank(const QString& text);
bool IsWordDelimiter(QChar c);

bool ContainsWholeWord(const QString& text, const QString& word, bool caseSensitive);
bool TextMatches(const QString& text, bool wholeWord, bool caseSensitive, const QString& pattern);

QString GetTabField(const QString& text, int n);                  // n counts from 1
QString CopyRange(const QString& text, int from, int to);         // positions from 1; to == 0: to the end
int PosFrom(const QString& part, const QString& text, int from);  // 1-based, 0 when absent
QString ReplaceAll(const QString& text, const QString& find, const QString& replace);
QString FirstLine(const QString& text);
// The lines a multi-line edit shows for a notes text (trailing blank lines dropped).
QStringList TextToLines(const QString& text);

bool FileIsEmpty(const QString& path);
bool CopyFileTo(const QString& source, const QString& target);

bool IsLeapYear4(int year);  // every fourth year, no century rule
int DaysInMonth(int month, int year);
int MonthNameToNumber(const QString& text);  // against the locale's long month names

// "Today", "Tomorrow", "5 days", "3 wks ago", "2 yrs 9 mons ago"... relative to the clock.
QString RelativeDayText(const QDate& date);
QString RelativeDayText(const QDate& date, const QDate& today);

// Letters A to Z only change case; the program compares categories this way.
QString AsciiLower(const QString& text);
QString AsciiUpper(const QString& text);
