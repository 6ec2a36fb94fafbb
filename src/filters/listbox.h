#pragma once
// The Quick Pick editor: a sorted list of category names to add to, delete from (names
// that tasks use are protected) and rebuild from the tasks' own categories. Its OK hands
// the list to the task filter; the caller keeps the list and writes category.xxx.

#include <QDialog>
#include <QStringList>

class GridTable;
class QListWidget;
class QPushButton;
class TaskFilter;

class TfrmListBox : public QDialog {
    Q_OBJECT
public:
    // store: the task store searched by the in-use test and by Rebuild. filter: the task
    // filter that OK updates (none: OK leaves the filter alone).
    TfrmListBox(const GridTable& store, TaskFilter* filter, QWidget* parent = nullptr);

    QListWidget* lbList;
    QPushButton* btAdd;
    QPushButton* btDelete;
    QPushButton* btRebuild;
    QPushButton* btOK;
    QPushButton* btCancel;

    // The list's names, in their sorted order.
    void setItems(const QStringList& names);
    QStringList items() const;
    // Selects the name equal (without regard to case) to name, alone; nothing when absent.
    void selectItem(const QString& name);
    QStringList selectedItems() const;  // in list order
    QStringList deletedItems() const { return m_deleted; }
    bool addedFlag() const { return m_added; }

    void btAddClick();
    void btDeleteClick();
    void btRebuildClick();
    void btOKClick();
    // Ends with OK when a name was added during this showing, so the caller keeps it.
    void btCancelClick();
    void reject() override;

    // The result of the editor opened from the task editor's "..." button.
    struct Choice {
        bool accepted = false;
        QStringList items;  // the drop-down list's items after the editor
        QString chosen;     // the only selected name, or a null text
    };
    // The task editor's "...": opens the editor on items with current selected, then writes
    // the resulting items to category.xxx in every case.
    static Choice editChoices(const GridTable& store, TaskFilter* filter, const QStringList& items,
                              const QString& current, QWidget* parent = nullptr);
    // File > Categories: the editor on category.xxx, written back sorted after OK.
    static void categoriesCommand(const GridTable& store, TaskFilter* filter, QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    int insertSorted(const QString& name);

    const GridTable& m_store;
    TaskFilter* m_filter;
    QStringList m_deleted;  // sorted; emptied at each showing
    bool m_added = false;
};
