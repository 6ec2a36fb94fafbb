#include "settings/autostart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <memory>

namespace {

const QString kEntryName = QStringLiteral("Calvora");

#ifdef Q_OS_WIN
std::unique_ptr<QSettings> runKey() {
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"),
        QSettings::NativeFormat);
}
#else
// An Exec argument is quoted when it holds a character the launcher would interpret;
// inside the quotes ", `, $ and \ take a backslash. The key's own escaping then doubles
// every backslash, and % is doubled because launchers expand field codes.
QString execArgument(const QString& path) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (const QChar c : path)
        if (reserved.contains(c))
            quote = true;
    QString arg;
    if (quote) {
        arg += QLatin1Char('"');
        for (const QChar c : path) {
            if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
                arg += QLatin1Char('\\');
            arg += c;
        }
        arg += QLatin1Char('"');
    } else {
        arg = path;
    }
    arg.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    arg.replace(QLatin1Char('%'), QStringLiteral("%%"));
    return arg;
}

// The value of a key of the [Desktop Entry] group, or a null text when absent.
QString entryValue(const QString& text, const QString& key) {
    bool inGroup = false;
    for (const QString& raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inGroup)
            continue;
        const int eq = int(line.indexOf(QLatin1Char('=')));
        if (eq > 0 && line.left(eq).trimmed() == key)
            return line.mid(eq + 1).trimmed();
    }
    return QString();
}
#endif

}  // namespace

QString AutostartEntryPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/autostart/calvora.desktop");
}

#ifndef Q_OS_WIN
QString AutostartEntryText(const QString& executable) {
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Calvora\n"
               "Comment=Calendar and task planner\n"
               "Exec=%1\n"
               "Terminal=false\n"
               "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(executable));
}
#else
QString AutostartEntryText(const QString& executable) {
    return QDir::toNativeSeparators(executable);
}
#endif

bool checkAutostart() {
#ifdef Q_OS_WIN
    return !runKey()->value(kEntryName).toString().isEmpty();
#else
    QFile file(AutostartEntryPath());
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(file.readAll());
    // Desktops switch an entry off by hiding it rather than deleting it.
    if (entryValue(text, QStringLiteral("Hidden")).compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return false;
    return !entryValue(text, QStringLiteral("Exec")).isEmpty();
#endif
}

bool writeAutostart(bool on) {
    const QString executable = QCoreApplication::applicationFilePath();
#ifdef Q_OS_WIN
    const auto key = runKey();
    if (on)
        key->setValue(kEntryName, AutostartEntryText(executable));
    else
        key->remove(kEntryName);
    key->sync();
    return key->status() == QSettings::NoError;
#else
    const QString path = AutostartEntryPath();
    if (!on)
        return !QFile::exists(path) || QFile::remove(path);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(AutostartEntryText(executable).toUtf8());
    return file.commit();
#endif
}
