#include "filters/completedlog.h"

#include <QFileInfo>

#include <algorithm>

#include "app/taskstore.h"
#include "common/basic.h"
#include "common/platform.h"
#include "data/tablefile.h"

namespace {
const int kWidths[CompletedLog::ColumnCount] = {70, 62, 58, 128, 200, 200};
}  // namespace

CompletedLog::CompletedLog() : m_table(ColumnCount, 2) {
    for (int c = 0; c < ColumnCount; ++c)
        m_table.setColWidth(c, kWidths[c]);
    ensureShape();
}

const QStringList& CompletedLog::headings() {
    static const QStringList names = {QStringLiteral("Comp Date"), QStringLiteral("Time"),
                                      QStringLiteral("Category"),  QStringLiteral("Orig Date"),
                                      QStringLiteral("What"),      QStringLiteral("Comp Notes")};
    return names;
}

QString CompletedLog::filePath() {
    return JoinPath(Platform::appFolder(), QStringLiteral("gridComp.grd"));
}

// A file may claim fewer columns or no data row; the log always needs both.
void CompletedLog::ensureShape() {
    if (m_table.colCount() < ColumnCount)
        m_table.setColCount(ColumnCount);
    if (m_table.rowCount() < 2)
        m_table.setRowCount(2);
    for (int c = 0; c < ColumnCount; ++c)
        m_table.setCell(c, 0, headings().at(c));
}

void CompletedLog::load() {
    const QString path = filePath();
    if (QFileInfo::exists(path))
        ReadTableFile(m_table, path);
    ensureShape();
}

void CompletedLog::save() const {
    WriteTableFile(m_table, filePath());
}

void CompletedLog::AddToCompleteGrid(const QString& compDate, const QString& time, const QString& category,
                                     const QString& origDate, const QString& what, const QString& compNotes) {
    if (!m_table.cell(CompDate, 1).isEmpty())
        m_table.insertRows(1, 1);
    m_table.setCell(CompDate, 1, compDate);
    m_table.setCell(Time, 1, time);
    m_table.setCell(Category, 1, category);
    m_table.setCell(OrigDate, 1, origDate);
    m_table.setCell(What, 1, what);
    m_table.setCell(CompNotes, 1, compNotes);
    save();
}

void CompletedLog::deleteRow(int row) {
    if (row < 1 || row >= m_table.rowCount())
        return;
    if (m_table.rowCount() <= 2) {
        for (int c = 0; c < m_table.colCount(); ++c)
            m_table.setCell(c, row, QString());
    } else {
        m_table.removeRows(row, 1);
    }
}

void CompletedLog::clearAll() {
    ClearGridRows(m_table);
    m_table.setRowCount(2);
}

void CompletedLog::setNotes(int row, const QString& what, const QString& compNotes) {
    if (row < 1 || row >= m_table.rowCount())
        return;
    m_table.setCell(What, row, what);
    m_table.setCell(CompNotes, row, compNotes);
}
