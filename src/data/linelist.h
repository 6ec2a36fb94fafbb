#pragma once
// Line list files (category.xxx, category.yyy): one name per line, CR LF line ends.

#include <QString>
#include <QStringList>

// The lines of the file; splits at CR, LF or CR LF, and a break after the last line adds
// no empty entry. A missing or unreadable file gives an empty list.
QStringList ReadLineList(const QString& path);
// Writes the lines whole and atomically; throws CalvoraError when the file cannot be written.
void WriteLineList(const QString& path, const QStringList& lines);
