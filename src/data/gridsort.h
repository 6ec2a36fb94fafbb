#pragma once
// Sorting a grid table's data rows by a column, with ties broken by the following
// columns from left to right.

#include <QString>
#include <Qt>
#include <functional>

class GridTable;

// Numbers compare as numbers, other texts by character code. Answers -1, 0 or 1.
int CompareNumberOrText(const QString& a, const QString& b);
// Numbers compare as numbers, dates (in the short date format) as dates, other texts by
// character code. Answers -1, 0 or 1.
int CompareAuto(const QString& a, const QString& b);
// Times of day; an empty cell on either side makes the two equal, an unreadable time
// comes after every readable one.
int CompareTime(const QString& a, const QString& b);

using CellCompare = std::function<int(int column, const QString& a, const QString& b)>;

// Sorts rows 1 onward; the heading row stays. A stable sort, so equal rows keep their order.
void SortGridTable(GridTable& table, int column, Qt::SortOrder order, const CellCompare& compare);
