#pragma once
// The Holidays dialog: the holiday table to add to, edit, clone, delete, reorder by
// dragging, print and import into. It writes holiday.grd when closed with Close (or
// Esc), before the import and right after a clone; the title-bar close box does not.

#include <QDialog>

#include "data/gridtable.h"

class GridView;
class QPushButton;

class TfrmHoliday : public QDialog {
    Q_OBJECT
public:
    // Loads holiday.grd when it exists; otherwise the table has its headings and one empty row.
    explicit TfrmHoliday(QWidget* parent = nullptr);
    ~TfrmHoliday() override;

    // Shows the dialog modally; true when it was closed with Close (the table was saved).
    // Whatever the answer, holiday.grd may have changed (clone, import): reload it afterwards.
    bool execute();

    GridTable& table() { return m_table; }
    // What column 3 shows for a cell: a one-time rule as a short date, others as they are.
    QString cellDisplayText(int col, int row) const;

    GridView* grid;
    QPushButton* btAdd;
    QPushButton* btEdit;
    QPushButton* btDel;
    QPushButton* btClone;
    QPushButton* btImport;
    QPushButton* btPrint;
    QPushButton* btHelp;
    QPushButton* btClose;

    void btAddClick();
    void btEditClick();
    void btDelClick();
    void btCloneClick();
    void btImportClick();
    void btPrintClick();
    void btHelpClick();
    void btCloseClick();
    // Moves the selected row to the target row and selects it (the drop of a dragged row).
    void gridDragDrop(int targetRow);

signals:
    // Help was asked for: the topic of the program's help pages to show.
    void helpRequested(int topic);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void reload();
    void ensureDataRow();
    bool save();
    bool viewportEvent(QEvent* event);
    void endDrag();

    GridTable m_table{4, 2};
    QPoint m_pressPos;
    int m_pressRow = 0;
    bool m_dragging = false;
};
