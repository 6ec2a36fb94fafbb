#include "data/gridtable.h"

#include <atomic>

#include <algorithm>

namespace {

constexpr int kDefaultWidth = 64;

// Rows that hold no text share one allocation until a cell is written, so a table
// with many empty rows costs little more than its row list.
QList<QString> emptyRow(int colCount) {
    return QList<QString>(colCount);
}

bool isEmptyRow(const QList<QString>& row) {
    return std::all_of(row.cbegin(), row.cend(), [](const QString& s) { return s.isEmpty(); });
}

// Resizes a row to exactly count cells (QList::resize alone rounds the allocation up).
void fitRow(QList<QString>& row, int count) {
    if (row.size() < count)
        row.reserve(count);
    row.resize(count);
}

// Grows the row list to hold at least count rows: exactly when the size jumps (a file's
// row count), by half again when rows are added a few at a time.
void reserveRows(QList<QList<QString>>& rows, qsizetype count) {
    if (count > rows.capacity())
        rows.reserve(std::max(count, rows.capacity() + rows.capacity() / 2));
}

}  // namespace

GridTable::GridTable(int colCount, int rowCount) {
    m_colCount = std::max(1, colCount);
    m_widths = QList<int>(m_colCount, kDefaultWidth);
    const int rows = std::max(1, rowCount);
    m_rows.reserve(rows);
    m_rows.resize(rows, emptyRow(m_colCount));
}

void GridTable::setColCount(int count) {
    count = std::max(1, count);
    if (count == m_colCount)
        return;
    const QList<QString> blank = emptyRow(count);
    for (QList<QString>& row : m_rows) {
        if (isEmptyRow(row))
            row = blank;
        else
            fitRow(row, count);
    }
    if (m_widths.size() < count)
        m_widths.reserve(count);
    m_widths.resize(count, kDefaultWidth);
    m_colCount = count;
    touch();
}

void GridTable::setRowCount(int count) {
    count = std::max(1, count);
    if (count == rowCount())
        return;
    reserveRows(m_rows, count);
    m_rows.resize(count, emptyRow(m_colCount));
    touch();
}

const QString& GridTable::cell(int col, int row) const {
    static const QString empty;
    if (col < 0 || col >= m_colCount || row < 0 || row >= rowCount())
        return empty;
    return m_rows.at(row).at(col);
}

void GridTable::setCell(int col, int row, const QString& text) {
    if (col < 0 || col >= m_colCount || row < 0 || row >= rowCount())
        return;
    m_rows[row][col] = text;
    touch();
}

int GridTable::colWidth(int col) const {
    return col >= 0 && col < m_colCount ? m_widths.at(col) : 0;
}

void GridTable::setColWidth(int col, int width) {
    if (col < 0 || col >= m_colCount)
        return;
    m_widths[col] = std::max(0, width);
    touch();
}

void GridTable::insertRows(int at, int count) {
    if (count <= 0)
        return;
    at = std::clamp(at, 0, rowCount());
    reserveRows(m_rows, qsizetype(rowCount()) + count);
    m_rows.insert(at, count, emptyRow(m_colCount));
    touch();
}

void GridTable::removeRows(int at, int count) {
    at = std::max(0, at);
    count = std::min(count, rowCount() - at);
    if (count <= 0)
        return;
    m_rows.remove(at, count);
    // A table always has at least its heading row.
    if (m_rows.isEmpty())
        m_rows.append(emptyRow(m_colCount));
    touch();
}

void GridTable::moveRow(int from, int to) {
    const int last = rowCount() - 1;
    from = std::clamp(from, 0, last);
    to = std::clamp(to, 0, last);
    if (from == to)
        return;
    m_rows.move(from, to);
    touch();
}

void GridTable::setDataRows(QList<QList<QString>> rows) {
    m_rows.resize(1);
    reserveRows(m_rows, 1 + rows.size());
    for (QList<QString>& row : rows) {
        if (row.size() != m_colCount)
            fitRow(row, m_colCount);
        m_rows.append(std::move(row));
    }
    touch();
}

quint64 GridTable::NextRevision() {
    static std::atomic<quint64> next{1};
    return next.fetch_add(1, std::memory_order_relaxed);
}

void GridTable::touch() { m_revision = NextRevision(); }
