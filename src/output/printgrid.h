#pragma once
// Printing a grid table: a title at the top, the table with single lines fitted to the
// page width (its columns keep their relative widths, cells wrap and rows grow to fit),
// and a footer with the date, the page number and the time on every page.

#include <QFont>
#include <QList>
#include <QString>

class GridTable;
class QPrinter;

struct PrintLayout {
    QString title;
    QFont cellFont;
    // The to-do list prints its title and footer a little smaller and larger.
    bool toDoSizes = false;
    // The heading row at the top of every page, or on the first page only.
    bool repeatHeading = true;
    // Rows whose cell in this column is exactly "Yes" print struck out; -1 for none.
    int strikeOutColumn = -1;
};

// Asks for a printer through the dialogs service and prints only when it is confirmed.
void PrintGrid(const GridTable& table, const PrintLayout& layout);

// Prints on a printer that is already set up; answers the number of pages.
int PrintGridTo(QPrinter& printer, const GridTable& table, const PrintLayout& layout);

// Splits data rows 1.. over pages. rowHeights[i] is the height of row i (0 the heading);
// each page holds pageHeight of table, which the heading takes a share of on the first
// page, and on every page when repeatHeading is set. A row taller than a page gets a
// page of its own. Answers the data rows of each page; always at least one page.
QList<QList<int>> PaginateRows(const QList<int>& rowHeights, int pageHeight, bool repeatHeading);
