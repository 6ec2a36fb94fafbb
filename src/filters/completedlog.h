#pragma once
// The completed-task log: one row per task marked complete, newest on top, with its
// completion notes. Kept in gridComp.grd in the application folder and independent of
// the task store.

#include <QString>
#include <QStringList>

#include "data/gridtable.h"

class CompletedLog {
public:
    enum Column { CompDate = 0, Time, Category, OrigDate, What, CompNotes, ColumnCount };

    // Six columns with their headings and one empty data row.
    CompletedLog();

    static const QStringList& headings();
    // gridComp.grd in the application folder.
    static QString filePath();

    GridTable& table() { return m_table; }
    const GridTable& table() const { return m_table; }

    // Reads gridComp.grd when it exists, then writes the six headings over its heading
    // row. Throws CalvoraError when the file exists but cannot be read.
    void load();
    // Writes the log whole to gridComp.grd; throws CalvoraError on failure.
    void save() const;

    // Puts a completed task on top (row 1): an empty row 1 is filled, otherwise a row is
    // inserted above it. Then saves the log.
    void AddToCompleteGrid(const QString& compDate, const QString& time, const QString& category,
                           const QString& origDate, const QString& what, const QString& compNotes);
    // Removes a data row; the only data row is emptied instead.
    void deleteRow(int row);
    // Leaves the heading row and one empty data row.
    void clearAll();
    // The two notes texts of a data row, as the window's editors change them.
    void setNotes(int row, const QString& what, const QString& compNotes);

private:
    void ensureShape();

    GridTable m_table;
};
