#pragma once
// The filter window: edits the task filter that every view reads, live. Its check boxes
// show or hide done and not-done tasks, its check list the categories. Created once at
// start and kept, hidden between showings, for the whole run.

#include <QColor>
#include <QDialog>
#include <QFrame>
#include <QString>

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class TaskFilter;

// A coloured panel with a caption that acts as a button.
class FilterPanel : public QFrame {
    Q_OBJECT
public:
    FilterPanel(const QString& caption, QWidget* parent = nullptr);
    QString caption() const { return m_caption; }
    // Panel colour, caption colour and caption font.
    void setLook(const QColor& back, const QColor& text, const QFont& font);
    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString m_caption;
};

// How the main window shows the filter state: the "Filters" menu item's caption, the
// filter tool button's image and the colour of the panel behind the day title.
struct FilterDisplay {
    QString caption;
    int imageIndex = 10;
    QColor panelColor;
};

class TfrmFilter : public QDialog {
    Q_OBJECT
public:
    // Restores the window's place and size, then loads the filter as it stands at start
    // (category.xxx, category.yyy, Filter\NotDone and Filter\Done).
    explicit TfrmFilter(TaskFilter& filter, QWidget* parent = nullptr);
    // Remembers the window's place and size.
    ~TfrmFilter() override;

    TaskFilter& filter() { return m_filter; }

    QLabel* lblTitle;
    QCheckBox* cbNotDone;
    FilterPanel* pnlNotDone;
    QCheckBox* cbDone;
    FilterPanel* pnlDone;
    QLabel* lblCategories;
    QListWidget* cbWhat;
    QPushButton* btAll;
    QPushButton* btNone;
    QPushButton* btFiltersOff;
    QPushButton* btOK;
    QPushButton* btHelp;

    // Shows the window modally, as the "Filters" command does; the dialog's result.
    int showModally();

    // Called by the category editor's OK: drops the deleted names, appends the new ones
    // ticked, writes category.yyy and category.xxx.
    void UpdateFilterList(const QStringList& list, const QStringList& deleted);

    // The panels' look follows the done and not-done colours of the options.
    void setNotDonePanel(const QColor& back, const QColor& text, const QFont& font);
    void setDonePanel(const QColor& back, const QColor& text, const QFont& font);

    // The title band: "Task Filters : On" or "Task Filters : Off".
    void UpdateTitle();
    void btAllClick();
    void btNoneClick();
    void btFiltersOffClick();
    void btOKClick();
    void pnlNotDoneClick();
    void pnlDoneClick();

    void done(int result) override;

    // What the main window shows for this filter (none counts as not active).
    static FilterDisplay display(const TaskFilter* filter);

signals:
    // After OK and "Filters off": the calendars are to be recoloured and the selected
    // day's list read again.
    void filterApplied();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    // Puts the filter's state into the controls.
    void showFilter();
    void categoryChanged(int row, bool ticked);

    TaskFilter& m_filter;
    bool m_showing = false;
};
