#pragma once
// The program's settings: an ini-style view (section, ident) of the program key.
// Every value is a string; integers are decimal text and Booleans "1" or "0". A value
// that is missing or not a whole number reads as the default. Each access opens and
// closes the store, so no value is cached between accesses. An empty section names the
// program key itself.

#include <QString>

class SettingsStore {
public:
    static QString readString(const QString& section, const QString& ident, const QString& def);
    static int readInteger(const QString& section, const QString& ident, int def);
    static bool readBool(const QString& section, const QString& ident, bool def);

    // Writing creates the section when missing. False when the value could not be stored.
    static bool writeString(const QString& section, const QString& ident, const QString& value);
    static bool writeInteger(const QString& section, const QString& ident, int value);
    static bool writeBool(const QString& section, const QString& ident, bool value);

    static void deleteKey(const QString& section, const QString& ident);
    static bool valueExists(const QString& section, const QString& ident);
};
