#pragma once
// The task editor: one modal window for adding and changing dated tasks and to-dos,
// with a second page for the completion notes of a task being marked complete.

#include <QDate>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimeEdit;
class QWidget;
class CompletedLog;
class GridTable;
class TaskFilter;

class TfrmEdit : public QDialog {
    Q_OBJECT
public:
    // The task store is searched when the category list is rebuilt from the tasks.
    TfrmEdit(TaskFilter* filter, CompletedLog* log, const GridTable* store, QWidget* parent = nullptr);

    // Set by the caller before showing.
    bool editingFlag = false;
    bool dateTaskFlag = true;
    bool openOnCompletion = false;
    QString taskDateText;
    QDate taskDate;
    QDate selectedDay;

    QLabel* lblTitle;
    QLabel* lblTime;
    QTimeEdit* dtTime;
    QComboBox* cbCategory;
    QPushButton* btCategory;
    QCheckBox* cbAlarm;
    QLabel* lblComplete;
    QPlainTextEdit* memMain;
    QCheckBox* cbDone;
    QPlainTextEdit* memComplete;
    QDateEdit* dtComplete;
    QPushButton* btComplete;
    QPushButton* btOK;
    QPushButton* btCancel;
    QPushButton* btOK2;
    QPushButton* btCancel2;

    // Shows or hides the time and alarm fields (to-dos and done tasks have none).
    void setTimeVisible(bool visible);
    // The notes as the lists store them: every line followed by CR LF.
    QString notesWithLineEnds() const;
    // The notes with trailing blanks and line breaks removed.
    QString notesTrimmed() const;
    void setNotes(const QString& notes);
    void setCategory(const QString& category);
    // Both notes fields write in the main window's notes font.
    void setNotesFont(const QFont& font);

    void btOKClick();
    void btCompleteClick();
    void btOK2Click();
    void btCancel2Click();
    void btCategoryClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void showMainPage(bool main);
    void loadCategoryList();

    TaskFilter* m_filter;
    CompletedLog* m_log;
    const GridTable* m_store;
    QWidget* pnlMain;
    QWidget* pnlComplete;
    bool m_timeVisible = true;
};
