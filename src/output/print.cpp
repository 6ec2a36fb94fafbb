#include "output/print.h"

#include <QSaveFile>

#include "common/calvoraerror.h"
#include "data/gridtable.h"

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString csvCell(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("\"\"");
    QString out = text;
    out.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    const bool hasComma = out.contains(QLatin1Char(','));
    const bool enclosed = out.contains(QLatin1Char('"')) && !hasComma;
    if (enclosed)
        out = QLatin1Char('"') + out + QLatin1Char('"');
    if (hasComma || out.contains(QLatin1Char('\r'))) {
        if (enclosed) {
            out.replace(kCrLf, QStringLiteral("\n"));
        } else {
            // A reader that splits lines first still sees one record per row.
            out.replace(kCrLf, QString(QChar(11)));
            out = QLatin1Char('"') + out + QLatin1Char('"');
        }
    }
    return out;
}

QString hexColor(const QColor& color) {
    return QStringLiteral("%1%2%3")
        .arg(color.red(), 2, 16, QLatin1Char('0'))
        .arg(color.green(), 2, 16, QLatin1Char('0'))
        .arg(color.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

// Escaped first, so that a task text can never become markup; CR then becomes <br>.
QString htmlText(const QString& text) {
    if (text.isEmpty())
        return QStringLiteral("<br>");
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        switch (c.unicode()) {
            case '&':
                out += QStringLiteral("&amp;");
                break;
            case '<':
                out += QStringLiteral("&lt;");
                break;
            case '>':
                out += QStringLiteral("&gt;");
                break;
            case '"':
                out += QStringLiteral("&quot;");
                break;
            case '\r':
                out += QStringLiteral("<br>");
                break;
            default:
                out += c;
        }
    }
    return out;
}

void writeWhole(const QByteArray& bytes, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw CalvoraError(QStringLiteral("Cannot Create file ") + path);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        throw CalvoraError(QStringLiteral("Cannot write file ") + path);
    }
}

}  // namespace

QByteArray GridCsvBytes(const GridTable& table) {
    QString out;
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.colCount(); ++c) {
            if (c > 0)
                out += QLatin1Char(',');
            out += csvCell(table.cell(c, r));
        }
        out += kCrLf;
    }
    return out.toUtf8();
}

QByteArray GridHtmlBytes(const GridTable& table, const HtmlStyle& style) {
    const QString headingCell = QStringLiteral("<td bgcolor=\"#%1\"><font color=\"#%2\">%3</font></td>")
                                    .arg(hexColor(style.headingBackground), hexColor(style.headingText));
    const QString dataCell = QStringLiteral("<td bgcolor=\"#%1\"><font color=\"#%2\" >%3</font></td>")
                                 .arg(hexColor(style.cellBackground), hexColor(style.cellText));
    QString out = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\"  width=\"100%\">") + kCrLf;
    for (int r = 0; r < table.rowCount(); ++r) {
        out += QStringLiteral("<tr>") + kCrLf;
        const QString& pattern = r == 0 ? headingCell : dataCell;
        for (int c = 0; c < table.colCount(); ++c)
            out += pattern.arg(htmlText(table.cell(c, r))) + kCrLf;
        out += QStringLiteral("</tr>") + kCrLf;
    }
    out += QStringLiteral("</table>") + kCrLf + kCrLf;
    return out.toUtf8();
}

void WriteGridCsv(const GridTable& table, const QString& path) {
    writeWhole(GridCsvBytes(table), path);
}

void WriteGridHtml(const GridTable& table, const QString& path, const HtmlStyle& style) {
    writeWhole(GridHtmlBytes(table, style), path);
}
