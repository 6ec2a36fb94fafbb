#pragma once
// Small helpers shared by the table file and table stream tests.

#include <QStringList>

#include "data/gridtable.h"

// The cells of a table: rows separated by '|', cells by ';'.
inline QString dumpCells(const GridTable& table) {
    QStringList rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table.colCount(); ++c)
            cells << table.cell(c, r);
        rows << cells.join(QLatin1Char(';'));
    }
    return rows.join(QLatin1Char('|'));
}

inline QString dumpWidths(const GridTable& table) {
    QStringList widths;
    for (int c = 0; c < table.colCount(); ++c)
        widths << QString::number(table.colWidth(c));
    return widths.join(QLatin1Char(','));
}

// A 3 x 3 table whose cells all hold text, to show which cells a read leaves alone.
inline GridTable filledTable() {
    GridTable table(3, 3);
    const char* texts[] = {"A", "B", "C", "d", "e", "f", "g", "h", "i"};
    for (int i = 0; i < 9; ++i)
        table.setCell(i % 3, i / 3, QString::fromLatin1(texts[i]));
    table.setColWidth(0, 10);
    table.setColWidth(1, 20);
    table.setColWidth(2, 30);
    return table;
}

// The to-do table of the file layout's worked example.
inline GridTable todoExample() {
    GridTable table(3, 2);
    table.setColWidth(0, 86);
    table.setColWidth(1, 476);
    table.setColWidth(2, 79);
    table.setCell(0, 0, QStringLiteral("Category"));
    table.setCell(1, 0, QStringLiteral("What"));
    table.setCell(2, 0, QStringLiteral("Done?"));
    table.setCell(0, 1, QStringLiteral("Work"));
    table.setCell(1, 1, QStringLiteral("Pay bills\r\nbefore Friday"));
    table.setCell(2, 1, QStringLiteral("No"));
    return table;
}

inline const QByteArray kTodoExampleBytes =
    "3,2\r\n"
    "cw 0,86\r\n"
    "cw 1,476\r\n"
    "cw 2,79\r\n"
    "0,0,Category\r\n"
    "1,0,What\r\n"
    "2,0,Done?\r\n"
    "0,1,Work\r\n"
    "1,1,Pay bills\t\bbefore Friday\r\n"
    "2,1,No\r\n";
