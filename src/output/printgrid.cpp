#include "output/printgrid.h"

#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

#include "common/calvoraerror.h"
#include "common/formatsettings.h"
#include "common/platform.h"
#include "data/gridtable.h"

namespace {

// The layout is given in screen pixels and scaled to the printer's resolution.
constexpr double kScreenDpi = 96.0;
constexpr int kBand = 20;
constexpr int kSideMargin = 20;
constexpr int kColumnSpacing = 10;
constexpr int kMinRowHeight = 25;
constexpr int kTitleSpacing = 25;
constexpr int kCellPaddingY = 3;
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

const QColor kHeadingBackground(0xF0, 0xF0, 0xF0);

// Notes end every line with CR LF; the last line end would print as an empty line.
QString printedText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    while (out.endsWith(QLatin1Char('\n')))
        out.chop(1);
    return out;
}

QFont scaledFont(QFont font, double scale) {
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, int(std::lround(font.pixelSize() * scale))));
    return font;
}

QFont arial(int pixels, bool bold, double scale) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, int(std::lround(pixels * scale))));
    font.setBold(bold);
    return font;
}

struct Sheet {
    double scale = 1;
    int width = 0;
    int height = 0;
    int tableLeft = 0;
    int tableTop = 0;
    int tableBottom = 0;
    int padX = 0;
    int padY = 0;
    QList<int> colLeft;
    QList<int> colWidth;
    QFont titleFont;
    QFont footerFont;
    int titleHeight = 0;
};

// Columns keep their share of the table's width, spacing included, over the page width.
void fitColumns(Sheet& sheet, const GridTable& table) {
    const int tableWidth = sheet.width - 2 * int(std::lround(kSideMargin * sheet.scale));
    double natural = 0;
    for (int c = 0; c < table.colCount(); ++c)
        natural += table.colWidth(c) + kColumnSpacing;
    const double factor = natural > 0 ? tableWidth / natural : 1;
    sheet.padX = std::max(1, int(std::lround(kColumnSpacing / 2.0 * factor)));
    int x = sheet.tableLeft;
    double edge = 0;
    for (int c = 0; c < table.colCount(); ++c) {
        edge += (table.colWidth(c) + kColumnSpacing) * factor;
        const int right = sheet.tableLeft + int(std::lround(edge));
        sheet.colLeft << x;
        sheet.colWidth << right - x;
        x = right;
    }
}

QFont rowFont(const GridTable& table, int row, const PrintLayout& layout, const QFont& cellFont) {
    QFont font = cellFont;
    if (row == 0)
        font.setBold(true);
    else if (layout.strikeOutColumn >= 0 && table.cell(layout.strikeOutColumn, row) == QLatin1String("Yes"))
        font.setStrikeOut(true);
    return font;
}

int rowHeight(QPainter& painter, const Sheet& sheet, const GridTable& table, int row, const QFont& font) {
    painter.setFont(font);
    int text = 0;
    for (int c = 0; c < table.colCount(); ++c) {
        const QString t = printedText(table.cell(c, row));
        if (t.isEmpty())
            continue;
        const QRect box(0, 0, std::max(1, sheet.colWidth.at(c) - 2 * sheet.padX), 1 << 24);
        text = std::max(text, painter.boundingRect(box, kTextFlags, t).height());
    }
    return std::max(int(std::lround(kMinRowHeight * sheet.scale)), text + 2 * sheet.padY);
}

void paintRow(QPainter& painter, const Sheet& sheet, const GridTable& table, int row, int top, int height,
              const QFont& font) {
    painter.save();
    painter.setClipRect(QRect(0, top, sheet.width, std::min(height, sheet.tableBottom - top) + 1));
    painter.setFont(font);
    for (int c = 0; c < table.colCount(); ++c) {
        const QRect cell(sheet.colLeft.at(c), top, sheet.colWidth.at(c), height);
        if (row == 0)
            painter.fillRect(cell, kHeadingBackground);
        painter.drawRect(cell);
        painter.drawText(cell.adjusted(sheet.padX, sheet.padY, -sheet.padX, -sheet.padY), kTextFlags,
                         printedText(table.cell(c, row)));
    }
    painter.restore();
}

void paintFooter(QPainter& painter, const Sheet& sheet, int page, int pageCount) {
    const QDateTime now = Platform::clock().now();
    const int band = int(std::lround(kBand * sheet.scale));
    const QRect footer(sheet.tableLeft, sheet.height - band, sheet.width - 2 * sheet.tableLeft, band);
    painter.setFont(sheet.footerFont);
    painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, FormatDateTime(QStringLiteral("dd/mm/yyyy"), now));
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("Page %1/%2").arg(page).arg(pageCount));
    painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter, FormatDateTime(QStringLiteral("tt"), now));
}

}  // namespace

QList<QList<int>> PaginateRows(const QList<int>& rowHeights, int pageHeight, bool repeatHeading) {
    QList<QList<int>> pages;
    QList<int> current;
    const int heading = rowHeights.isEmpty() ? 0 : rowHeights.first();
    int used = heading;
    for (int r = 1; r < rowHeights.size(); ++r) {
        if (!current.isEmpty() && used + rowHeights.at(r) > pageHeight) {
            pages << current;
            current.clear();
            used = repeatHeading ? heading : 0;
        }
        current << r;
        used += rowHeights.at(r);
    }
    pages << current;
    return pages;
}

int PrintGridTo(QPrinter& printer, const GridTable& table, const PrintLayout& layout) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw CalvoraError(QStringLiteral("Cannot print to ") + printer.printerName() + printer.outputFileName());

    Sheet sheet;
    sheet.scale = printer.resolution() / kScreenDpi;
    const QRect paintRect = printer.pageLayout().paintRectPixels(printer.resolution());
    sheet.width = paintRect.width();
    sheet.height = paintRect.height();
    sheet.tableLeft = int(std::lround(kSideMargin * sheet.scale));
    sheet.padY = int(std::lround(kCellPaddingY * sheet.scale));
    sheet.titleFont = arial(layout.toDoSizes ? 19 : 21, true, sheet.scale);
    sheet.footerFont = arial(layout.toDoSizes ? 16 : 13, false, sheet.scale);
    fitColumns(sheet, table);

    const int band = int(std::lround(kBand * sheet.scale));
    painter.setFont(sheet.titleFont);
    sheet.titleHeight = layout.title.isEmpty() ? 0 : painter.fontMetrics().height();
    sheet.tableTop =
        band + (layout.title.isEmpty() ? 0 : sheet.titleHeight + int(std::lround(kTitleSpacing * sheet.scale)));
    sheet.tableBottom = sheet.height - 2 * band;

    const QFont cellFont = scaledFont(layout.cellFont, sheet.scale);
    QList<QFont> fonts;
    QList<int> heights;
    for (int r = 0; r < table.rowCount(); ++r) {
        fonts << rowFont(table, r, layout, cellFont);
        heights << rowHeight(painter, sheet, table, r, fonts.last());
    }
    const QList<QList<int>> pages = PaginateRows(heights, sheet.tableBottom - sheet.tableTop, layout.repeatHeading);

    painter.setPen(QPen(Qt::black, std::max(1, int(std::lround(sheet.scale)))));
    for (int p = 0; p < pages.size(); ++p) {
        if (p > 0)
            printer.newPage();
        if (!layout.title.isEmpty()) {
            painter.setFont(sheet.titleFont);
            painter.drawText(QRect(0, band, sheet.width, sheet.titleHeight), Qt::AlignHCenter | Qt::AlignTop,
                             layout.title);
        }
        int y = sheet.tableTop;
        if (p == 0 || layout.repeatHeading) {
            paintRow(painter, sheet, table, 0, y, heights.first(), fonts.first());
            y += heights.first();
        }
        for (const int r : pages.at(p)) {
            paintRow(painter, sheet, table, r, y, heights.at(r), fonts.at(r));
            y += heights.at(r);
        }
        paintFooter(painter, sheet, p + 1, int(pages.size()));
    }
    painter.end();
    return int(pages.size());
}

void PrintGrid(const GridTable& table, const PrintLayout& layout) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(layout.title);
    if (!Platform::dialogs().print(printer))
        return;
    PrintGridTo(printer, table, layout);
}
