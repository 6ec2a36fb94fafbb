#include "app/gridview.h"

#include <QHeaderView>

#include "data/gridtable.h"
#include "settings/programoptions.h"

GridTableModel::GridTableModel(GridTable& table, QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_seen(table.revision()) {}

int GridTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_table.rowCount() - 1;
}

int GridTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_table.colCount(); }

QVariant GridTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole) return m_table.cell(index.column(), index.row() + 1);
    if (role == Qt::FontRole && m_strikeColumn >= 0 && Options().strikeOut) {
        QFont font = m_font;
        font.setStrikeOut(m_table.cell(m_strikeColumn, index.row() + 1).contains(QLatin1String("Yes")));
        return font;
    }
    return {};
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Horizontal) return m_table.cell(section, 0);
    return {};
}

void GridTableModel::sync() {
    if (m_seen == m_table.revision()) return;
    m_seen = m_table.revision();
    beginResetModel();
    endResetModel();
}

GridView::GridView(GridTable& table, const QString& name, QWidget* parent)
    : QTableView(parent), m_model(new GridTableModel(table, this)) {
    setObjectName(name);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(true);
    setShowGrid(false);
    verticalHeader()->hide();
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    sync();
}

void GridView::sync() {
    const int row = currentRow();
    m_model->setBaseFont(font());
    m_model->sync();
    const GridTable& t = m_model->table();
    for (int c = 0; c < t.colCount(); ++c)
        if (columnWidth(c) != t.colWidth(c)) setColumnWidth(c, t.colWidth(c));
    setCurrentRow(std::min(row, t.rowCount() - 1));
}

int GridView::currentRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() + 1 : 1;
}

void GridView::setCurrentRow(int row) {
    if (row < 1 || row > m_model->rowCount()) return;
    setCurrentIndex(m_model->index(row - 1, std::max(0, currentIndex().column())));
}
