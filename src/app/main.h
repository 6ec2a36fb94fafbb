#pragma once
// The main window: the four month calendars, the selected day's list with its notes,
// the to-do list and the status clock. It owns the program's task tables and its
// periodic triggers, loads grid.grd and gridNon.grd at start and writes them back at exit.

#include <QDate>
#include <QMainWindow>
#include <memory>
#include <optional>

#include "app/taskstore.h"
#include "app/triggers.h"
#include "data/gridtable.h"
#include "settings/layoutmemory.h"

class QLabel;
class QMenu;
class QSplitter;
class QTextEdit;
class QToolBar;
class QToolButton;
class CompletedLog;
class GridView;
class MonthCalendar;
class TaskFilter;
class TfrmComplete;
class TfrmFilter;
class TfrmOptions;
struct CellPaint;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Loads the task files and starts the triggers. False when a required file is missing
    // or unreadable: the error has been shown and the program must end without writing.
    bool FormCreate();
    void setFilter(TaskFilter* filter);
    void setCompletedLog(CompletedLog* log, TfrmComplete* window);
    void setFilterWindow(TfrmFilter* window);
    void setOptionsWindow(TfrmOptions* window);

    // Commands.
    void SayGoodBye();
    void WMQueryEndSession();
    void fix2000();
    void FormResize();
    void ResizeGridDay();
    void ResizeGridNonDay();
    void UpdateStatusClock();
    void Timer2Timer();

    // Month calendars.
    MonthCalendar* cal(int n) const { return m_cals[n - 1]; }
    MonthCalendar* currentCalendar() const { return m_current; }
    QDate selectedDate() const;
    void cal1Click(MonthCalendar* sender);
    void cal1DateChange();
    void cal1MonthChange();
    void updateAppropriateMonth();
    void cal1DrawCell(MonthCalendar* calendar, CellPaint& cell);
    void cal1CellDblClick();
    void ColorAllCalendars(bool all);
    void UpdateLabels(MonthCalendar* calendar);
    void resizeCalendars();
    void N4monthCalendars1Click();
    void DaytoNonDayEvents1Click();
    void DailyEventsNotes1Click();
    void Maximizedailyevents1Click();
    void Maximizenondaytasks1Click();
    void Today1Click();

    // Day list, notes pane and to-do list.
    void DrawExtraMemo();
    void memWhatExit();
    void gridDayEnter(GridView* list);
    void sortList(GridView* list, int column);

    // Task commands; dayList names the list a button or menu item belongs to.
    void btAddClick(bool dayList);
    void btEditClick(bool dayList);
    void Markascompleted1Click(bool dayList);
    void EditOrComplete(bool senderIsDayList, int mode);
    void btDelClick(bool dayList);
    void deleteEntry(bool dayList, bool writeBack, bool moving, const QDate& date);
    void Clone1Click(bool dayList);
    void CloneEntry();
    void ToolButton15Click();
    void CompletedTasks1Click();
    void btFilterClick();
    void updateFilterImage(bool withPanel);
    void Categories1Click();
    void Holidays1Click();

    // Settings.
    void Options2Click();
    void ReadSettings(bool stopTriggers);
    void ApplySettings(bool shadows);
    void ChangeCalFonts();
    void ChangeGridFonts();
    void applyRowHeight();
    void applyDonePanels();
    void ReadFontSettings();
    void SaveFontSettings();
    void MemorizeScreen(bool byUser);
    void RecoverScreenSize(bool byUser);

    // Printing and exporting the two lists.
    void Print3Click();
    void Print2Click();
    void exportList(bool html, bool dayListActive);
    void saveTodoList();

    TaskStore& store() { return *m_store; }
    GridView* dayListView() const { return gridDay; }
    GridView* todoListView() const { return gridNondayView; }
    GridTable& gridNonday() { return m_gridNonday; }
    GridTable& gridHoliday() { return m_gridHoliday; }
    TimerPool& timerPool() { return m_timerPool; }
    bool alarmActive() const { return m_alarmActive; }
    bool exitFlag() const { return m_exitFlag; }
    // Pixels per inch scaling of the design sizes (design at 96).
    int scaled(int pixels) const;
    // The control that has (or, while another window is active, last had) the focus here.
    bool hasFocusIn(const QWidget* widget) const;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildCalendars();
    void buildListCommands();
    QMenu* listMenu(bool dayList);
    void relayLists();
    void blinkSizeBar(QSplitter* splitter, const QPoint& pointer);
    void applyPanelSizes();
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
    TaskFilter* m_filter = nullptr;
    CompletedLog* m_log = nullptr;
    TfrmComplete* m_frmComplete = nullptr;
    TfrmFilter* m_frmFilter = nullptr;
    TfrmOptions* m_frmOptions = nullptr;
    QAction* Filters1 = nullptr;
    QAction* btFilter = nullptr;

    MonthCalendar* m_cals[4] = {};
    MonthCalendar* m_current = nullptr;
    MonthCalendar* m_previous = nullptr;
    bool m_dateChangeBusy = false;
    bool m_monthChangeBusy = false;
    bool m_calendarsSynced = true;
    int m_searchHitRow = -1;
    bool m_monthColorRefresh = false;
    int m_daySortColumn = 0;
    Qt::SortOrder m_daySortOrder = Qt::AscendingOrder;
    int m_todoSortColumn = -1;
    Qt::SortOrder m_todoSortOrder = Qt::AscendingOrder;
    QFont m_printFont;
    QDate m_paintToday;
    // Panel sizes restored before the window was laid out wait for its first showing.
    std::optional<PanelSizes> m_pendingPanels;

    bool m_created = false;
    bool m_alarmActive = false;
    bool m_exitFlag = false;
    bool m_filterNoteShown = false;
    bool m_splitterHighlight = false;
    int m_blinkCount = 0;
    QSplitter* m_blinkSplitter = nullptr;
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
