#pragma once
// A table view over a GridTable: row 0 of the table is the heading, rows 1 onward the
// data rows. The table stays the data; the view shows it and follows its column widths.

#include <QAbstractTableModel>
#include <QFont>
#include <QTableView>

class GridTable;

class GridTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GridTableModel(GridTable& table, QObject* parent = nullptr);

    GridTable& table() { return m_table; }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Tells attached views about changes made to the table since the last call.
    void sync();

    // Rows whose cell in this column contains "Yes" are drawn struck out while the
    // strike-out option is on; -1 for none.
    void setStrikeOutColumn(int column) { m_strikeColumn = column; }
    void setBaseFont(const QFont& font) { m_font = font; }

private:
    GridTable& m_table;
    quint64 m_seen = 0;
    int m_strikeColumn = -1;
    QFont m_font;
};

class GridView : public QTableView {
    Q_OBJECT
public:
    GridView(GridTable& table, const QString& name, QWidget* parent = nullptr);

    GridTableModel* gridModel() const { return m_model; }
    // Refreshes the rows after a change of the table and applies its column widths;
    // the current row stays where it was when it still exists.
    void sync();
    // The data row (1 onward) of the current cell, or 1 when there is none.
    int currentRow() const;
    void setCurrentRow(int row);

private:
    GridTableModel* m_model;
};
