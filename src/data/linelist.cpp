#include "data/linelist.h"

#include <QFile>
#include <QSaveFile>

#include "common/calvoraerror.h"
#include "data/tablefile.h"

QStringList ReadLineList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QString text = DecodeText(file.readAll());
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines << text.mid(start, i - start);
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ++i;
            start = i + 1;
        }
    }
    if (start < n) lines << text.mid(start);
    return lines;
}

void WriteLineList(const QString& path, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw CalvoraError(QStringLiteral("Cannot Create ") + path);
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw CalvoraError(QStringLiteral("Cannot write ") + path);
}
