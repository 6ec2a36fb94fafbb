#include "settings/layoutmemory.h"

#include "common/basic.h"
#include "common/platform.h"
#include "settings/settingsstore.h"

const char* const LayoutMemory::kNotMemorizedText = "Screen has not yet been memorized";
const char* const LayoutMemory::kConfirmText = "Really memorize current screen positions?";
const char* const kProgramKey = "Software\\Brellwick Corporation\\Calvora";

namespace {

int readInt(const QString& section, const char* ident, int def) {
    return SettingsStore::readInteger(section, QLatin1String(ident), def);
}

void writeInt(const QString& section, const char* ident, int value) {
    SettingsStore::writeInteger(section, QLatin1String(ident), value);
}

QString entry(const char* window, const char* property, const char* value, int def) {
    return QStringLiteral("%1;%2;%3;%4;%5;1")
        .arg(QLatin1String(window), QLatin1String(property), QLatin1String(kProgramKey), QLatin1String(value))
        .arg(def);
}

// The settings section of a key under the program key: "" for the key itself.
std::optional<QString> sectionOf(const QString& key) {
    QString k = key;
    k.replace(QLatin1Char('/'), QLatin1Char('\\'));
    while (k.endsWith(QLatin1Char('\\')))
        k.chop(1);
    const QString root = QLatin1String(kProgramKey);
    if (k.compare(root, Qt::CaseInsensitive) == 0)
        return QString();
    if (k.startsWith(root + QLatin1Char('\\'), Qt::CaseInsensitive)) {
        const QString sub = k.mid(root.size() + 1);
        if (!sub.isEmpty() && !sub.contains(QLatin1Char('\\')))
            return sub;
    }
    return std::nullopt;
}

}  // namespace

QString LayoutMemory::subkey(bool byUser) {
    return byUser ? QStringLiteral("MemorizeMe") : QStringLiteral("Memorize");
}

bool LayoutMemory::MemorizeScreen(bool byUser, const ScreenLayout& layout) {
    if (byUser && !Platform::dialogs().question(QStringLiteral("Confirm"), QString::fromLatin1(kConfirmText)))
        return false;
    const QString section = subkey(byUser);
    SettingsStore::writeBool(section, QStringLiteral("Done"), true);
    writeInt(section, "Top", layout.top);
    writeInt(section, "Left", layout.left);
    writeInt(section, "Height", layout.height);
    writeInt(section, "Width", layout.width);
    writeInt(section, "Split1Pos", layout.split1Pos);
    writeInt(section, "Split2Pos", layout.split2Pos);
    writeInt(section, "SplitDay", layout.splitDay);
    // The bounds of a maximised window are stored as a normal window of that size.
    SettingsStore::writeBool(section, QStringLiteral("Maximized"), false);
    return true;
}

std::optional<WindowPlacement> LayoutMemory::RecoverScreenSize(bool byUser, const QSize& screen) {
    const QString section = subkey(byUser);
    if (!SettingsStore::readBool(section, QStringLiteral("Done"), !byUser)) {
        if (byUser)
            ShowErrorMessage(QString::fromLatin1(kNotMemorizedText));
        return std::nullopt;
    }
    WindowPlacement p;
    if (SettingsStore::readBool(section, QStringLiteral("Maximized"), false)) {
        p.maximized = true;
        return p;
    }
    // In this order, each default seeing the values set before it.
    p.height = readInt(section, "Height", screen.height() - 60);
    p.width = readInt(section, "Width", screen.width() - 60);
    p.top = readInt(section, "Top", (screen.height() - p.height) / 2);
    p.left = readInt(section, "Left", (screen.width() - p.width) / 2);
    return p;
}

PanelSizes LayoutMemory::RecoverPanelSizes(bool byUser, const QSize& window, int clientHeight) {
    const QString section = subkey(byUser);
    PanelSizes s;
    s.split1Pos = readInt(section, "Split1Pos", window.width() * 8 / 21);
    s.split2Pos = readInt(section, "Split2Pos", window.height() / 4);
    s.splitDay = readInt(section, "SplitDay", clientHeight / 6);
    return s;
}

std::optional<FormStateEntry> FormStateEntry::parse(const QString& text) {
    const QStringList f = text.split(QLatin1Char(';'));
    if (f.size() < 5)
        return std::nullopt;
    return FormStateEntry{f[0], f[1], f[2], f[3], f[4]};
}

QString FormStateEntry::text() const {
    return QStringList{component, property, key, valueName, defaultValue, QStringLiteral("1")}.join(QLatin1Char(';'));
}

QStringList FilterFormState() {
    return {entry("frmFilter", "Top", "FilterTop11", 100), entry("frmFilter", "Left", "FilterLeft11", 100),
            entry("frmFilter", "ClientWidth", "FilterWidth11", 500),
            entry("frmFilter", "ClientHeight", "FilterHeight11", 400)};
}

QStringList YearFormState() {
    return {entry("frmYear", "ClientHeight", "YearHeight", 336), entry("frmYear", "ClientWidth", "YearWidth", 400),
            entry("frmYear", "Top", "YearTop", 30), entry("frmYear", "Left", "YearLeft", 30)};
}

QStringList AbbreviationFormState() {
    return {entry("frmAbbreviation", "Left", "AbbrevLeft", 100), entry("frmAbbreviation", "Top", "AbbrevTop", 100),
            entry("frmAbbreviation", "Height", "AbbrevHeight", 400),
            entry("frmAbbreviation", "ClientWidth", "AbbrevWidth", 530)};
}

std::optional<QString> ReadFormStateValue(const FormStateEntry& entry) {
    const std::optional<QString> section = sectionOf(entry.key);
    if (!section)
        return std::nullopt;
    return SettingsStore::readString(*section, entry.valueName, entry.defaultValue);
}

bool WriteFormStateValue(const FormStateEntry& entry, const QString& value) {
    const std::optional<QString> section = sectionOf(entry.key);
    return section && SettingsStore::writeString(*section, entry.valueName, value);
}
