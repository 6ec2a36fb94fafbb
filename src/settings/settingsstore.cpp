#include "settings/settingsstore.h"

#include <QSettings>
#include <memory>

#include "common/platform.h"

namespace {

std::unique_ptr<QSettings> openStore() {
    const QString file = Platform::settingsFile();
    if (!file.isEmpty())
        return std::make_unique<QSettings>(file, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Brellwick Corporation"), QStringLiteral("Calvora"));
}

QString key(const QString& section, const QString& ident) {
    return section.isEmpty() ? ident : section + QLatin1Char('/') + ident;
}

// Whole decimal numbers only, optionally signed and blank-padded; anything else is absent.
bool parseInteger(const QString& text, int& out) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    if (ok)
        out = value;
    return ok;
}

}  // namespace

QString SettingsStore::readString(const QString& section, const QString& ident, const QString& def) {
    const auto store = openStore();
    const QVariant v = store->value(key(section, ident));
    return v.isValid() ? v.toString() : def;
}

int SettingsStore::readInteger(const QString& section, const QString& ident, int def) {
    int value = def;
    const auto store = openStore();
    const QVariant v = store->value(key(section, ident));
    if (v.isValid() && parseInteger(v.toString(), value))
        return value;
    return def;
}

bool SettingsStore::readBool(const QString& section, const QString& ident, bool def) {
    return readInteger(section, ident, def ? 1 : 0) != 0;
}

bool SettingsStore::writeString(const QString& section, const QString& ident, const QString& value) {
    const auto store = openStore();
    if (!store->isWritable())
        return false;
    store->setValue(key(section, ident), value);
    store->sync();
    return store->status() == QSettings::NoError;
}

bool SettingsStore::writeInteger(const QString& section, const QString& ident, int value) {
    return writeString(section, ident, QString::number(value));
}

bool SettingsStore::writeBool(const QString& section, const QString& ident, bool value) {
    return writeString(section, ident, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::deleteKey(const QString& section, const QString& ident) {
    openStore()->remove(key(section, ident));
}

bool SettingsStore::valueExists(const QString& section, const QString& ident) {
    return openStore()->contains(key(section, ident));
}
