#include "common/routines.h"

#include <QFile>
#include <QFileInfo>

#include "common/calvoraerror.h"
#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "common/platform.h"

namespace {

const QLatin1String kLineBreak("\r\n");

// Tab, apostrophe, CR, LF, blank and the punctuation that ends a word.
const char16_t kWordDelimiters[] = u"\t'\r\n ,./?;:`\"<>[]{}-=\\+|()%@&^$#!~*";

bool isTrimmable(QChar c) {
    return c.unicode() <= 32;
}

QString trimControls(const QString& text) {
    int from = 0;
    int to = int(text.size());
    while (from < to && isTrimmable(text[from]))
        ++from;
    while (to > from && isTrimmable(text[to - 1]))
        --to;
    return text.mid(from, to - from);
}

int weekdaySundayFirst(const QDate& date) {
    return date.dayOfWeek() % 7 + 1;
}

int monthIndex(const QDate& date) {
    return date.year() * 12 + date.month();
}

}  // namespace

QString IfThenStr(bool flag, const QString& whenTrue, const QString& whenFalse) {
    return flag ? whenTrue : whenFalse;
}

QString PluralS(int n) {
    return n > 1 ? QStringLiteral("s") : QString();
}

bool IsDigitChar(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

int CountDigits(const QString& text) {
    int count = 0;
    for (const QChar c : text)
        if (IsDigitChar(c))
            ++count;
    return count;
}

bool IsBlankChar(QChar c) {
    const char16_t u = c.unicode();
    return u == 8 || u == 10 || u == 13 || u == 32;
}

bool IsBlank(const QString& text) {
    for (const QChar c : text)
        if (!IsBlankChar(c))
            return false;
    return true;
}

bool IsWordDelimiter(QChar c) {
    return QStringView(kWordDelimiters).contains(c);
}

bool ContainsWholeWord(const QString& text, const QString& word, bool caseSensitive) {
    if (IsBlank(text) || IsBlank(word))
        return false;
    const QString haystack = caseSensitive ? text : text.toUpper();
    const QString needle = caseSensitive ? word : word.toUpper();
    if (!haystack.contains(needle))
        return false;
    // Every delimiter ends a piece; a word holding a delimiter therefore never matches.
    int start = 0;
    const int n = int(haystack.size());
    for (int i = 0; i <= n; ++i) {
        if (i < n && !IsWordDelimiter(haystack[i]))
            continue;
        if (i > start && QStringView(haystack).mid(start, i - start) == needle)
            return true;
        start = i + 1;
    }
    return false;
}

bool TextMatches(const QString& text, bool wholeWord, bool caseSensitive, const QString& pattern) {
    if (wholeWord)
        return ContainsWholeWord(text, pattern, caseSensitive);
    if (pattern.isEmpty())
        return false;
    return text.contains(pattern, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
}

QString GetTabField(const QString& text, int n) {
    if (n < 1)
        return QString();
    int field = 1;
    int from = -1;
    int to = int(text.size());
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('\t'))
            continue;
        ++field;
        if (field == n)
            from = i + 1;
        if (field == n + 1) {
            to = i;
            break;
        }
    }
    if (n == 1)
        from = 0;
    if (from < 0)
        return QString();
    return trimControls(text.mid(from, to - from));
}

QString CopyRange(const QString& text, int from, int to) {
    const int start = qMax(from, 1) - 1;
    if (start >= text.size())
        return QString();
    if (to == 0)
        return text.mid(start);
    const int end = qMin(to - 1, int(text.size()));
    return end > start ? text.mid(start, end - start) : QString();
}

int PosFrom(const QString& part, const QString& text, int from) {
    if (part.isEmpty())
        return 0;
    const int at = int(text.indexOf(part, qMax(from, 1) - 1));
    return at < 0 ? 0 : at + 1;
}

QString ReplaceAll(const QString& text, const QString& find, const QString& replace) {
    if (find.isEmpty())
        return text;
    QString out = text;
    return out.replace(find, replace);
}

QString FirstLine(const QString& text) {
    const int at = int(text.indexOf(kLineBreak));
    return at < 0 ? text : text.left(at);
}

QStringList TextToLines(const QString& text) {
    QStringList lines;
    if (text.isEmpty())
        return lines;
    int start = 0;
    for (int at = int(text.indexOf(kLineBreak)); at >= 0; at = int(text.indexOf(kLineBreak, start))) {
        lines << text.mid(start, at - start);
        start = at + 2;
    }
    if (start == 0)
        return {text};
    lines << text.mid(start);
    // Blank lines at the end of notes are dropped.
    while (!lines.isEmpty() && IsBlank(lines.last()))
        lines.removeLast();
    return lines;
}

bool FileIsEmpty(const QString& path) {
    const QFileInfo info(path);
    return !info.exists() || info.size() == 0;
}

bool CopyFileTo(const QString& source, const QString& target) {
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    char block[2048];
    for (;;) {
        const qint64 read = in.read(block, sizeof block);
        if (read <= 0)
            break;
        const qint64 written = out.write(block, read);
        if (written < 0)
            throw CalvoraError(QStringLiteral("Cannot write to %1: %2").arg(target, out.errorString()));
        if (written < read)
            break;
    }
    if (!out.flush())
        throw CalvoraError(QStringLiteral("Cannot write to %1: %2").arg(target, out.errorString()));
    return true;
}

bool IsLeapYear4(int year) {
    return year % 4 == 0;
}

int DaysInMonth(int month, int year) {
    static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return kDays[month - 1] + (month == 2 && IsLeapYear4(year) ? 1 : 0);
}

int MonthNameToNumber(const QString& text) {
    const QStringList& names = ProcessFormatSettings().longMonthNames;
    for (int i = 0; i < names.size() && i < 12; ++i)
        if (text.compare(names[i], Qt::CaseInsensitive) == 0)
            return i + 1;
    return 0;
}

QString RelativeDayText(const QDate& date) {
    return RelativeDayText(date, Platform::clock().now().date());
}

QString RelativeDayText(const QDate& date, const QDate& today) {
    const int d = qAbs(DayNumber(date) - DayNumber(today));
    const bool future = date > today;
    if (d == 0)
        return QStringLiteral("Today");
    if (d == 1)
        return future ? QStringLiteral("Tomorrow") : QStringLiteral("Yesterday");

    const int monthDiff = qAbs(monthIndex(date) - monthIndex(today));
    const int yearDiff = qAbs(date.year() - today.year());
    int years = yearDiff - 1;
    int months = monthDiff - 12 * years;
    if (months >= 12) {
        years += months / 12;
        months %= 12;
    }
    // The switch from days to weeks comes one week later for past days.
    if (future) {
        const int weeks = (d + weekdaySundayFirst(today) - 1) / 7;
        if (weeks < 6)
            return QStringLiteral("%1 days").arg(d);
        if (monthDiff < 3)
            return QStringLiteral("%1 wks").arg(weeks);
        if (yearDiff <= 2)
            return QStringLiteral("%1 mon%2").arg(monthDiff).arg(PluralS(monthDiff));
        QString phrase = QStringLiteral("%1 yrs").arg(years);
        if (months > 0)
            phrase += QStringLiteral(" %1 mon%2").arg(months).arg(PluralS(months));
        return phrase;
    }
    const int weeks = (d + weekdaySundayFirst(date) - 1) / 7;
    if (weeks <= 6)
        return QStringLiteral("%1 days ago").arg(d);
    if (monthDiff < 3)
        return QStringLiteral("%1 wks ago").arg(weeks);
    if (yearDiff <= 2)
        return QStringLiteral("%1 mon%2 ago").arg(monthDiff).arg(PluralS(monthDiff));
    QString phrase = QStringLiteral("%1 yrs ").arg(years);
    if (months > 0)
        phrase += QStringLiteral("%1 mon%2 ").arg(months).arg(PluralS(months));
    return phrase + QStringLiteral("ago");
}

QString AsciiLower(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c.unicode() >= 'A' && c.unicode() <= 'Z')
            c = QChar(char16_t(c.unicode() + 32));
    return out;
}

QString AsciiUpper(const QString& text) {
    QString out = text;
    for (QChar& c : out)
        if (c.unicode() >= 'a' && c.unicode() <= 'z')
            c = QChar(char16_t(c.unicode() - 32));
    return out;
}
