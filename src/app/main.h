#pragma once
// The main window: the four month calendars, the selected day's list with its notes,
// the to-do list and the status clock. It owns the program's task tables and its
// periodic triggers, loads grid.grd and gridNon.grd at start and writes them back at exit.

#include <QMainWindow>
#include <memory>

#include "app/taskstore.h"
#include "app/triggers.h"
#include "data/gridtable.h"

class QLabel;
class QSplitter;
class QTextEdit;
class QToolBar;
class GridView;
class TaskFilter;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Loads the task files and starts the triggers. False when a required file is missing
    // or unreadable: the error has been shown and the program must end without writing.
    bool FormCreate();
    void setFilter(const TaskFilter* filter);

    // Commands.
    void SayGoodBye();
    void WMQueryEndSession();
    void fix2000();
    void FormResize();
    void ResizeGridDay();
    void ResizeGridNonDay();
    void UpdateStatusClock();
    void Timer2Timer();

    TaskStore& store() { return *m_store; }
    GridTable& gridNonday() { return m_gridNonday; }
    GridTable& gridHoliday() { return m_gridHoliday; }
    TimerPool& timerPool() { return m_timerPool; }
    bool alarmActive() const { return m_alarmActive; }
    bool exitFlag() const { return m_exitFlag; }
    // Pixels per inch scaling of the design sizes (design at 96).
    int scaled(int pixels) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    void FormDestroy();
    void TurnOffAlarmSignals();
    void saveTaskFiles();
    void remindOfVersionCheck();
    QString todayText(const QString& format) const;

    std::unique_ptr<TaskStore> m_store;
    GridTable m_gridNonday{3, 2};
    GridTable m_gridHoliday{4, 1};
    TimerPool m_timerPool;
    const TaskFilter* m_filter = nullptr;

    bool m_created = false;
    bool m_alarmActive = false;
    bool m_exitFlag = false;
    bool m_filterNoteShown = false;
    bool m_splitterHighlight = false;
    bool m_resizeAttached = false;
    bool m_closed = false;

    QWidget* pnlTop = nullptr;
    QToolBar* ToolBar1 = nullptr;
    QSplitter* m_splitMain = nullptr;
    QSplitter* m_splitDay = nullptr;
    QSplitter* m_splitTodo = nullptr;
    QWidget* pnlCalendars = nullptr;
    QWidget* pnlNav = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* lblDate = nullptr;
    GridView* gridDay = nullptr;
    QToolBar* ToolBar2 = nullptr;
    QWidget* pnlMemo = nullptr;
    QTextEdit* memWhat = nullptr;
    QWidget* pnlTodo = nullptr;
    QLabel* EsLabel1 = nullptr;
    QToolBar* ToolBar3 = nullptr;
    GridView* gridNondayView = nullptr;
    QLabel* m_statusText = nullptr;
};
