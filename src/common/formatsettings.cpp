#include "common/formatsettings.h"

#include <QList>

#include <algorithm>

#include "common/datevalue.h"
#include "common/platform.h"

namespace {

bool isAsciiLetter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z');
}

QChar asciiUpper(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') ? QChar(char16_t(u - 32)) : c;
}

bool isAsciiDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// ---------------------------------------------------------------------------------------
// Qt's locale formats into the program's letters

struct QtToken {
    enum Kind { Field, Literal, Dropped };
    Kind kind;
    QString text;  // the field's letters or the literal's characters
    bool quoted = false;
};

QList<QtToken> tokenizeQtFormat(const QString& f) {
    QList<QtToken> out;
    auto addLiteral = [&out](QChar c, bool quoted) {
        if (!out.isEmpty() && out.last().kind == QtToken::Literal && out.last().quoted == quoted)
            out.last().text += c;
        else
            out.append({QtToken::Literal, QString(c), quoted});
    };
    const int n = f.size();
    int i = 0;
    while (i < n) {
        const QChar c = f[i];
        if (c == QLatin1Char('\'')) {
            if (i + 1 < n && f[i + 1] == QLatin1Char('\'')) {  // '' is one quote
                addLiteral(c, false);
                i += 2;
                continue;
            }
            ++i;
            while (i < n) {
                if (f[i] == QLatin1Char('\'')) {
                    if (i + 1 < n && f[i + 1] == QLatin1Char('\'')) {
                        addLiteral(f[i], true);
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                addLiteral(f[i], true);
                ++i;
            }
            continue;
        }
        if (c == QLatin1Char('a') || c == QLatin1Char('A')) {
            const bool twoLetters = i + 1 < n && (f[i + 1] == QLatin1Char('p') || f[i + 1] == QLatin1Char('P'));
            out.append({QtToken::Field, QStringLiteral("AMPM"), false});
            i += twoLetters ? 2 : 1;
            continue;
        }
        if (QStringView(u"dMyhHmszt").contains(c)) {
            int j = i;
            while (j < n && f[j] == c)
                ++j;
            out.append({QtToken::Field, f.mid(i, j - i), false});
            i = j;
            continue;
        }
        addLiteral(c, false);
        ++i;
    }
    return out;
}

bool isSpaceOrComma(QChar c) {
    return c.isSpace() || c == QLatin1Char(',');
}

// Qt's time-zone field has no counterpart: it goes, with the blank, comma or brackets
// that only framed it.
void dropTimeZone(QList<QtToken>& toks) {
    for (int k = 0; k < toks.size(); ++k) {
        if (toks[k].kind != QtToken::Dropped)
            continue;
        const auto plainLiteral = [&toks](int idx) {
            return idx >= 0 && idx < toks.size() && toks[idx].kind == QtToken::Literal && !toks[idx].quoted;
        };
        QtToken* before = plainLiteral(k - 1) ? &toks[k - 1] : nullptr;
        QtToken* after = plainLiteral(k + 1) ? &toks[k + 1] : nullptr;
        bool atEnd = true;
        for (int j = k + 1; j < toks.size(); ++j)
            if (toks[j].kind == QtToken::Field || toks[j].quoted)
                atEnd = false;
        bool atStart = true;
        for (int j = 0; j < k; ++j)
            if (toks[j].kind == QtToken::Field || toks[j].quoted)
                atStart = false;

        if (before && after && before->text.endsWith(QLatin1Char('(')) && after->text.startsWith(QLatin1Char(')'))) {
            before->text.chop(1);
            after->text.remove(0, 1);
        }
        if (atEnd) {
            if (after && after->text.trimmed().isEmpty())
                after->text.clear();
            if (before)
                while (!before->text.isEmpty() && isSpaceOrComma(before->text.back()))
                    before->text.chop(1);
        } else if (atStart) {
            if (before && before->text.trimmed().isEmpty())
                before->text.clear();
            if (after)
                while (!after->text.isEmpty() && isSpaceOrComma(after->text.front()))
                    after->text.remove(0, 1);
        } else if (before && after && before->text.endsWith(QLatin1Char(' ')) &&
                   after->text.startsWith(QLatin1Char(' '))) {
            before->text.chop(1);
        }
        toks.removeAt(k);
        --k;
    }
}

// Literal text that would otherwise read as letters, separators or quotes.
QString quoteLiteral(const QString& s) {
    QString out;
    QString run;
    const auto flush = [&] {
        if (run.isEmpty())
            return;
        out += QLatin1Char('\'') + run + QLatin1Char('\'');
        run.clear();
    };
    for (const QChar c : s) {
        if (c == QLatin1Char('\'')) {
            flush();
            out += QStringLiteral("\"'\"");
        } else {
            run += c;
        }
    }
    flush();
    return out;
}

QString convertQtFormat(const QString& qtFormat, QChar dateSeparator, QChar timeSeparator) {
    QList<QtToken> toks = tokenizeQtFormat(qtFormat);
    bool afterHour = false;
    for (QtToken& t : toks) {
        if (t.kind != QtToken::Field)
            continue;
        const QChar letter = t.text.front();
        const int count = int(t.text.size());
        if (letter == QLatin1Char('h') || letter == QLatin1Char('H')) {
            // Our hour is 24-hour unless an AM/PM designator is present, as Qt's H is.
            t.text = QString(qMin(count, 2), QLatin1Char('h'));
            afterHour = true;
            continue;
        }
        if (letter == QLatin1Char('m')) {
            // m means minutes only right after an hour; elsewhere n says it.
            t.text = QString(qMin(count, 2), afterHour ? QLatin1Char('m') : QLatin1Char('n'));
        } else if (letter == QLatin1Char('t')) {
            t.kind = QtToken::Dropped;
        }
        afterHour = false;
    }
    dropTimeZone(toks);

    QString out;
    for (const QtToken& t : toks) {
        if (t.kind == QtToken::Field) {
            out += t.text;
        } else if (t.quoted) {
            out += quoteLiteral(t.text);
        } else {
            QString pending;
            for (const QChar c : t.text) {
                const bool needsQuotes = isAsciiLetter(c) || c == QLatin1Char('"') || c == QLatin1Char('\'') ||
                                         (c == QLatin1Char('/') && dateSeparator != c) ||
                                         (c == QLatin1Char(':') && timeSeparator != c);
                if (needsQuotes) {
                    pending += c;
                } else {
                    out += quoteLiteral(pending);
                    pending.clear();
                    out += c;
                }
            }
            out += quoteLiteral(pending);
        }
    }
    return out;
}

QChar firstSeparator(const QString& qtFormat, QChar fallback) {
    for (const QChar c : qtFormat) {
        if (c.isLetter() || c.isSpace() || c == QLatin1Char('\'') || c.category() == QChar::Other_Format)
            continue;
        return c;
    }
    return fallback;
}

QChar timeSeparatorOf(const QString& qtTimeFormat) {
    const int n = int(qtTimeFormat.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = qtTimeFormat[i];
        if (c != QLatin1Char('h') && c != QLatin1Char('H'))
            continue;
        int j = i;
        while (j < n && qtTimeFormat[j] == c)
            ++j;
        if (j < n) {
            const QChar sep = qtTimeFormat[j];
            if (!sep.isLetter() && !sep.isSpace() && sep != QLatin1Char('\''))
                return sep;
        }
        break;
    }
    return QLatin1Char(':');
}

// ---------------------------------------------------------------------------------------
// Formatting

QString padded(int value, int width) {
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

bool matchesAt(QStringView format, int at, QStringView what) {
    return format.mid(at).startsWith(what, Qt::CaseInsensitive);
}

// True when the format, at this level, shows a day number (d or dd) for the month to sit beside.
bool showsDayNumber(QStringView format) {
    const int n = int(format.size());
    int i = 0;
    while (i < n) {
        const QChar c = format[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const int close = int(format.indexOf(c, i + 1));
            i = close < 0 ? n : close + 1;
            continue;
        }
        if (asciiUpper(c) == QLatin1Char('D')) {
            int j = i;
            while (j < n && asciiUpper(format[j]) == QLatin1Char('D'))
                ++j;
            if (j - i <= 2)
                return true;
            i = j;
            continue;
        }
        ++i;
    }
    return false;
}

class DateTimeWriter {
public:
    DateTimeWriter(const FormatSettings& settings, const QDate& date, const QTime& time)
        : m_s(settings), m_date(date), m_time(time) {}

    QString out;

    void write(QStringView format, int level) {
        if (level > 2)
            return;  // formats that name other formats nest two deep at most
        const bool besideDay = showsDayNumber(format);
        QChar lastToken = QLatin1Char(' ');
        const int n = int(format.size());
        int i = 0;
        while (i < n) {
            const QChar c = format[i];
            if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                const int close = int(format.indexOf(c, i + 1));
                const int end = close < 0 ? n : close;
                out += format.mid(i + 1, end - i - 1);
                i = close < 0 ? n : close + 1;
                continue;
            }
            if (c == QLatin1Char('/')) {
                out += m_s.dateSeparator;
                ++i;
                continue;
            }
            if (c == QLatin1Char(':')) {
                out += m_s.timeSeparator;
                ++i;
                continue;
            }
            if (!isAsciiLetter(c)) {
                out += c;
                ++i;
                continue;
            }

            QChar token = asciiUpper(c);
            if (token == QLatin1Char('M') && lastToken == QLatin1Char('H'))
                token = QLatin1Char('N');
            lastToken = token;
            if (token == QLatin1Char('A')) {
                i = writeDesignator(format, i);
                continue;
            }
            int count = 1;
            while (i + count < n && asciiUpper(format[i + count]) == asciiUpper(c))
                ++count;
            switch (token.unicode()) {
                case 'Y':
                    out += count <= 2 ? padded(m_date.year() % 100, 2) : padded(m_date.year(), 4);
                    break;
                case 'M':
                    if (count <= 2)
                        out += padded(m_date.month(), count);
                    else
                        out += monthName(count == 3, besideDay);
                    break;
                case 'N':
                    out += padded(m_time.minute(), qMin(count, 2));
                    break;
                case 'D':
                    writeDay(count, level);
                    break;
                case 'H':
                    writeHour(format, i + count, qMin(count, 2));
                    break;
                case 'S':
                    out += padded(m_time.second(), qMin(count, 2));
                    break;
                case 'Z':
                    out += padded(m_time.msec(), qMin(count, 3));
                    break;
                case 'T':
                    write(count == 1 ? m_s.shortTimeFormat : m_s.longTimeFormat, level + 1);
                    break;
                case 'C':
                    write(m_s.shortDateFormat, level + 1);
                    if (m_time.hour() != 0 || m_time.minute() != 0 || m_time.second() != 0) {
                        out += QLatin1Char(' ');
                        write(m_s.longTimeFormat, level + 1);
                    }
                    break;
                default:
                    out += format.mid(i, count);
                    break;
            }
            i += count;
        }
    }

private:
    const FormatSettings& m_s;
    QDate m_date;
    QTime m_time;
    bool m_use12Hour = false;

    QString monthName(bool shortName, bool besideDay) const {
        const int idx = m_date.month() - 1;
        const QStringList& inDate = shortName ? m_s.shortMonthNamesInDate : m_s.longMonthNamesInDate;
        if (besideDay && inDate.size() == 12)
            return inDate.value(idx);
        return (shortName ? m_s.shortMonthNames : m_s.longMonthNames).value(idx);
    }

    void writeDay(int count, int level) {
        const int weekday = m_date.dayOfWeek() % 7;  // Sunday first
        switch (count) {
            case 1:
            case 2:
                out += padded(m_date.day(), count);
                break;
            case 3:
                out += m_s.shortDayNames.value(weekday);
                break;
            case 4:
                out += m_s.longDayNames.value(weekday);
                break;
            case 5:
                write(m_s.shortDateFormat, level + 1);
                break;
            default:
                write(m_s.longDateFormat, level + 1);
                break;
        }
    }

    // An hour reads on the 12-hour clock once a designator was written, or when one
    // follows before the next hour.
    void writeHour(QStringView format, int from, int width) {
        if (!m_use12Hour) {
            bool quoted = false;
            QChar quote;
            for (int j = from; j < format.size(); ++j) {
                const QChar c = format[j];
                if (quoted) {
                    if (c == quote)
                        quoted = false;
                    continue;
                }
                if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
                    quoted = true;
                    quote = c;
                } else if (asciiUpper(c) == QLatin1Char('A')) {
                    m_use12Hour =
                        matchesAt(format, j, u"am/pm") || matchesAt(format, j, u"a/p") || matchesAt(format, j, u"ampm");
                    break;
                } else if (asciiUpper(c) == QLatin1Char('H')) {
                    break;
                }
            }
        }
        int hour = m_time.hour();
        if (m_use12Hour) {
            if (hour == 0)
                hour = 12;
            else if (hour > 12)
                hour -= 12;
        }
        out += padded(hour, width);
    }

    int writeDesignator(QStringView format, int i) {
        const bool pm = m_time.hour() >= 12;
        if (matchesAt(format, i, u"am/pm")) {
            out += format.mid(pm ? i + 3 : i, 2);  // in the letter case written
            m_use12Hour = true;
            return i + 5;
        }
        if (matchesAt(format, i, u"a/p")) {
            out += format[pm ? i + 2 : i];
            m_use12Hour = true;
            return i + 3;
        }
        if (matchesAt(format, i, u"ampm")) {
            out += pm ? m_s.timePMString : m_s.timeAMString;
            m_use12Hour = true;
            return i + 4;
        }
        out += format[i];
        return i + 1;
    }
};

// ---------------------------------------------------------------------------------------
// Reading

// Reads up to maxDigits ASCII digits at pos; false when there is none.
bool readNumber(QStringView text, int& pos, int maxDigits, int& value) {
    int digits = 0;
    value = 0;
    while (pos < text.size() && digits < maxDigits && isAsciiDigit(text[pos])) {
        value = value * 10 + (text[pos].unicode() - '0');
        ++pos;
        ++digits;
    }
    return digits > 0;
}

// Removes an AM or PM text from the start or the end of the text; -1 none, 0 AM, 1 PM.
int takeDesignator(QString& text, const FormatSettings& s) {
    struct Candidate {
        QString text;
        int pm;
    };
    QList<Candidate> candidates;
    if (!s.timeAMString.isEmpty())
        candidates.append({s.timeAMString, 0});
    if (!s.timePMString.isEmpty())
        candidates.append({s.timePMString, 1});
    candidates.append({QStringLiteral("AM"), 0});
    candidates.append({QStringLiteral("PM"), 1});
    // The longer text first, so that "a.m." is not taken for "a".
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.text.size() > b.text.size(); });
    for (const Candidate& c : candidates) {
        if (text.endsWith(c.text, Qt::CaseInsensitive)) {
            text.chop(c.text.size());
            text = text.trimmed();
            return c.pm;
        }
        if (text.startsWith(c.text, Qt::CaseInsensitive)) {
            text.remove(0, c.text.size());
            text = text.trimmed();
            return c.pm;
        }
    }
    return -1;
}

FormatSettings& processSettings(bool rebuild) {
    static FormatSettings settings = FormatSettings::fromLocale(QLocale());
    if (rebuild)
        settings = FormatSettings::fromLocale(QLocale());
    return settings;
}

}  // namespace

FormatSettings FormatSettings::fromLocale(const QLocale& locale) {
    FormatSettings s;
    const QString qtShortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString qtShortTime = locale.timeFormat(QLocale::ShortFormat);
    s.dateSeparator = firstSeparator(qtShortDate, QLatin1Char('/'));
    s.timeSeparator = timeSeparatorOf(qtShortTime);
    s.shortDateFormat = convertQtFormat(qtShortDate, s.dateSeparator, s.timeSeparator);
    s.longDateFormat = convertQtFormat(locale.dateFormat(QLocale::LongFormat), s.dateSeparator, s.timeSeparator);
    s.shortTimeFormat = convertQtFormat(qtShortTime, s.dateSeparator, s.timeSeparator);
    s.longTimeFormat = convertQtFormat(locale.timeFormat(QLocale::LongFormat), s.dateSeparator, s.timeSeparator);
    s.decimalSeparator = locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint().front();
    s.timeAMString = locale.amText();
    s.timePMString = locale.pmText();
    for (int m = 1; m <= 12; ++m) {
        s.shortMonthNames << locale.standaloneMonthName(m, QLocale::ShortFormat);
        s.longMonthNames << locale.standaloneMonthName(m, QLocale::LongFormat);
        s.shortMonthNamesInDate << locale.monthName(m, QLocale::ShortFormat);
        s.longMonthNamesInDate << locale.monthName(m, QLocale::LongFormat);
    }
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i;  // Qt counts Monday 1 to Sunday 7
        s.shortDayNames << locale.standaloneDayName(qtDay, QLocale::ShortFormat);
        s.longDayNames << locale.standaloneDayName(qtDay, QLocale::LongFormat);
    }
    return s;
}

FormatSettings& ProcessFormatSettings() {
    return processSettings(false);
}

void ResetFormatSettings() {
    processSettings(true);
}

void fix2000(FormatSettings& settings) {
    QString& date = settings.shortDateFormat;
    if (!date.contains(QLatin1String("yyyy"))) {
        const int at = int(date.indexOf(QLatin1String("yy")));
        if (at >= 0)
            date.insert(at, QLatin1String("yy"));
    }
    const int month = int(date.indexOf(QLatin1String("MMM")));
    if (month >= 0) {
        date.remove(month, 3);
        date.insert(month, QLatin1String("MM"));
    }
    QString& time = settings.longTimeFormat;
    for (const QLatin1String seconds : {QLatin1String(":ss"), QLatin1String(".ss"), QLatin1String("ss")}) {
        const int at = int(time.indexOf(seconds));
        if (at >= 0) {
            time.remove(at, seconds.size());
            break;
        }
    }
}

QString FormatDateTime(const QString& format, const QDateTime& value, const FormatSettings& settings) {
    const QDateTime dt = value.isValid() ? value : FromDateValue(0);
    DateTimeWriter writer(settings, dt.date(), dt.time());
    writer.write(format, 0);
    return writer.out;
}

QString FormatDateTime(const QString& format, const QDateTime& value) {
    return FormatDateTime(format, value, ProcessFormatSettings());
}

QString FormatDateTime(const QString& format, double dateValue) {
    return FormatDateTime(format, FromDateValue(dateValue), ProcessFormatSettings());
}

bool TryStrToTime(const QString& text, double& value, const FormatSettings& settings) {
    QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    const int designator = takeDesignator(t, settings);
    const auto isSeparator = [&settings](QChar c) { return c == settings.timeSeparator || c == QLatin1Char(':'); };

    int pos = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
    if (!readNumber(t, pos, 2, hour))
        return false;
    if (pos < t.size() && isSeparator(t[pos])) {
        ++pos;
        if (!readNumber(t, pos, 2, minute))
            return false;
        if (pos < t.size() && isSeparator(t[pos])) {
            ++pos;
            if (!readNumber(t, pos, 2, second))
                return false;
            if (pos < t.size() && (t[pos] == settings.decimalSeparator || t[pos] == QLatin1Char('.'))) {
                ++pos;
                const int start = pos;
                if (!readNumber(t, pos, 3, msec))
                    return false;
                for (int d = pos - start; d < 3; ++d)
                    msec *= 10;
            }
        }
    }
    if (pos != t.size())
        return false;
    if (minute > 59 || second > 59)
        return false;
    if (designator >= 0) {
        if (hour > 12)
            return false;
        if (designator == 0 && hour == 12)
            hour = 0;
        if (designator == 1 && hour < 12)
            hour += 12;
    } else if (hour > 23) {
        return false;
    }
    value = (((hour * 60 + minute) * 60 + second) * 1000 + msec) / 86400000.0;
    return true;
}

bool TryStrToDate(const QString& text, QDate& value, const FormatSettings& settings) {
    // The order of day, month and year follows the short date format's letters.
    QString order;
    bool quoted = false;
    QChar quote;
    for (const QChar c : settings.shortDateFormat) {
        if (quoted) {
            if (c == quote)
                quoted = false;
            continue;
        }
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quoted = true;
            quote = c;
            continue;
        }
        const QChar letter = asciiUpper(c);
        if ((letter == QLatin1Char('D') || letter == QLatin1Char('M') || letter == QLatin1Char('Y')) &&
            !order.contains(letter))
            order += letter;
    }
    if (order.size() != 3)
        order = QStringLiteral("MDY");

    const QString t = text.trimmed();
    int numbers[3] = {0, 0, 0};
    int digits[3] = {0, 0, 0};
    int found = 0;
    int pos = 0;
    while (pos < t.size()) {
        const QChar c = t[pos];
        if (isAsciiDigit(c)) {
            if (found == 3)
                return false;
            const int start = pos;
            if (!readNumber(t, pos, 4, numbers[found]))
                return false;
            if (pos < t.size() && isAsciiDigit(t[pos]))
                return false;
            digits[found++] = pos - start;
            continue;
        }
        if (c.isLetterOrNumber())
            return false;
        ++pos;
    }
    if (found != 3)
        return false;

    int day = 0;
    int month = 0;
    int year = 0;
    int yearDigits = 0;
    for (int k = 0; k < 3; ++k) {
        switch (order[k].unicode()) {
            case 'D':
                day = numbers[k];
                break;
            case 'M':
                month = numbers[k];
                break;
            default:
                year = numbers[k];
                yearDigits = digits[k];
                break;
        }
    }
    if (yearDigits <= 2)
        year += Platform::clock().now().date().year() / 100 * 100;
    const QDate date(year, month, day);
    if (!date.isValid())
        return false;
    value = date;
    return true;
}
