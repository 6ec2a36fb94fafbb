#pragma once
// The completed-task window: the log of completed tasks as a table, with the current
// row's notes and completion notes in two editors below it, and commands to print,
// export, delete and clear. Created once at start; closing it writes the log.

#include <QDialog>

class CompletedLog;
class GridView;
class QAction;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;

class TfrmComplete : public QDialog {
    Q_OBJECT
public:
    // Loads the log from gridComp.grd (when present) and sets its headings.
    explicit TfrmComplete(CompletedLog& log, QWidget* parent = nullptr);

    // Shows the window modally with the log as it stands now.
    void showModally();
    // Shows the log as it stands now (after completions were added or a restore).
    void refresh();
    // Lays out the columns: fixed widths for the first four, the two notes columns
    // share the rest.
    void ResizeGrid();

    QMenuBar* MainMenu1;
    QMenu* File1;
    QMenu* Export1;
    QAction* Print1;
    QAction* HTMLFormat1;
    QAction* CommaDelimited1;
    QAction* Deleterow1;
    QAction* Clearallrows1;
    QAction* Close1;
    QLabel* lblTitle;
    GridView* gridComp;
    QLabel* lblWhat;
    QLabel* lblCompNotes;
    QPlainTextEdit* memWhat;
    QPlainTextEdit* memCompNotes;

    void Print1Click();
    void HTMLFormat1Click();
    void CommaDelimited1Click();
    void Deleterow1Click();
    void Clearallrows1Click();
    void Close1Click();

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCurrentRow();
    void memExit();
    void sortByColumn(int column);
    void exportTo(bool html);

    CompletedLog& m_log;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
