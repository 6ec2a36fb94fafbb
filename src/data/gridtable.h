#pragma once
// The in-memory table behind every list of the program: a rectangle of text cells
// whose row 0 is a heading row, with one pixel width per column.

#include <QList>
#include <QString>

class GridTable {
public:
    explicit GridTable(int colCount = 1, int rowCount = 1);

    int colCount() const { return m_colCount; }
    int rowCount() const { return int(m_rows.size()); }
    // Counts below 1 become 1. Growing adds empty cells, shrinking drops cells.
    void setColCount(int count);
    void setRowCount(int count);

    // Cells are addressed (column, row) as everywhere in the program.
    // Reading outside the table gives an empty text; writing outside is ignored.
    const QString& cell(int col, int row) const;
    void setCell(int col, int row, const QString& text);
    const QList<QString>& rowCells(int row) const { return m_rows.at(row); }

    int colWidth(int col) const;
    void setColWidth(int col, int width);

    // Row structure. Inserted rows are empty; positions are clamped to the table.
    void insertRows(int at, int count);
    void removeRows(int at, int count = 1);
    void moveRow(int from, int to);
    // Replaces all rows from row 1 on (the heading row stays); used by sorts.
    void setDataRows(QList<QList<QString>> rows);
    QList<QList<QString>>& rawRows() { return m_rows; }
    const QList<QList<QString>>& rawRows() const { return m_rows; }

    // Changes with every change of the table, so views and caches can tell whether they
    // need to refresh. Revisions are unique across all tables of the process: a table never
    // shows a revision that another table had.
    quint64 revision() const { return m_revision; }
    void touch();

private:
    int m_colCount = 1;
    QList<QList<QString>> m_rows;
    QList<int> m_widths;
    quint64 m_revision = NextRevision();
    static quint64 NextRevision();
};
