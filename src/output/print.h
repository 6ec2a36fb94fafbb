#pragma once
// Export of a grid table as a comma-separated text or an HTML table, in the layout the
// program has always written (heading row included, CR LF line ends, UTF-8 text).

#include <QByteArray>
#include <QColor>
#include <QString>

class GridTable;

// The colours written into an HTML export: heading cells take the fixed-cell colours of
// the table, data cells its window colours.
struct HtmlStyle {
    QColor headingBackground{0xF0, 0xF0, 0xF0};
    QColor headingText{0x00, 0x00, 0x00};
    QColor cellBackground{0xFF, 0xFF, 0xFF};
    QColor cellText{0x00, 0x00, 0x00};
};

// One line per row, cells joined by commas. Empty cells are written as "", a cell holding
// a quote (and no comma) is quoted with its quotes doubled, and a cell with a comma or a
// line break is quoted with each CR LF turned into character 11.
QByteArray GridCsvBytes(const GridTable& table);

// A bare <table> element: one line per <tr>, per cell and per </tr>. Cell text is escaped,
// every CR becomes <br>, and an empty cell is written as <br>.
QByteArray GridHtmlBytes(const GridTable& table, const HtmlStyle& style = HtmlStyle());

// Write the export whole, replacing the file only when complete. Throw
// CalvoraError("Cannot Create file " + path) when the file cannot be created.
void WriteGridCsv(const GridTable& table, const QString& path);
void WriteGridHtml(const GridTable& table, const QString& path, const HtmlStyle& style = HtmlStyle());
