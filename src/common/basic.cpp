#include "common/basic.h"

#include <QDir>
#include <QLocale>

#include <charconv>
#include <climits>
#include <cmath>

#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "common/platform.h"

namespace {

bool isAsciiDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Plain "digits" or "digits.digits", the form of every task key, read without the
// locale and without allocating. False when the text has another form.
bool readPlainDecimal(QStringView text, double& value) {
    constexpr int kMaxLength = 64;
    const int n = int(text.size());
    if (n == 0 || n > kMaxLength)
        return false;
    char buffer[kMaxLength];
    int dot = -1;
    for (int i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('.')) {
            if (dot >= 0)
                return false;
            dot = i;
        } else if (!isAsciiDigit(c)) {
            return false;
        }
        buffer[i] = char(c.unicode());
    }
    if (dot == 0 || dot == n - 1)
        return false;  // ".5" and "5." are left to the locale
    const std::from_chars_result r = std::from_chars(buffer, buffer + n, value, std::chars_format::fixed);
    return r.ec == std::errc() && r.ptr == buffer + n;
}

}  // namespace

void ShowErrorMessage(const QString& text) {
    Platform::sound().beep(BeepKind::Exclamation);
    Platform::dialogs().message(BoxKind::Error, QStringLiteral("Error"), text);
}

void ShowWarningMessage(const QString& text) {
    Platform::sound().beep(BeepKind::Hand);
    Platform::dialogs().message(BoxKind::Warning, QStringLiteral("Warning"), text);
}

void ShowInfoMessage(const QString& text) {
    Platform::dialogs().message(BoxKind::Info, QStringLiteral("Information"), text);
}

QString BoolToYesNo(bool flag) {
    return flag ? QStringLiteral("Yes") : QStringLiteral("No");
}

int SafeStrToInt(const QString& text) {
    const QStringView t = QStringView(text).trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    if (i == t.size())
        return 0;
    qint64 value = 0;
    for (; i < t.size(); ++i) {
        if (!isAsciiDigit(t[i]))
            return 0;
        value = value * 10 + (t[i].unicode() - '0');
        if (value > qint64(INT_MAX) + 1)
            return 0;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return 0;
    return int(value);
}

double DotStrToFloat(const QString& text) {
    if (text.isEmpty())
        return 0;
    double value = 0;
    if (readPlainDecimal(text, value))
        return value;

    QString local = text;
    const int dot = int(local.indexOf(QLatin1Char('.')));
    if (dot >= 0)
        local[dot] = ProcessFormatSettings().decimalSeparator;
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    value = locale.toDouble(local, &ok);
    return ok && std::isfinite(value) ? value : 0;
}

double SafeStrToTime(const QString& text) {
    double value = 0;
    if (TryStrToTime(text, value, ProcessFormatSettings()))
        return value;
    return ToDateValue(Platform::clock().now());
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')) || folder.endsWith(QLatin1Char('\\')))
        return folder + name;
    return folder + QDir::separator() + name;
}
