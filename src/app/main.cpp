#include "common/menus.h"
#include "settings/layoutmemory.h"
#include "settings/options.h"
#include "settings/titlelabel.h"
#include "filters/complete.h"
#include "filters/filter.h"
#include "filters/listbox.h"
#include "holidays/holiday.h"
#include "holidays/holidayrules.h"
#include "app/main.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QCursor>
#include <QScreen>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <cstdlib>

#include "app/gridview.h"
#include "app/taskfilter.h"
#include "common/icons.h"
#include "common/monthcalendar.h"
#include "settings/programoptions.h"
#include "common/basic.h"
#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "common/platform.h"
#include "data/tablefile.h"
#include "settings/settingsstore.h"

namespace {

QString appFile(const char* name) { return JoinPath(Platform::appFolder(), QString::fromLatin1(name)); }

QWidget* panel(const QString& name, QWidget* parent) {
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    return w;
}

QToolBar* toolBar(const QString& name, Qt::Orientation orientation, QWidget* parent) {
    auto* bar = new QToolBar(parent);
    bar->setObjectName(name);
    bar->setOrientation(orientation);
    bar->setMovable(false);
    bar->setFloatable(false);
    return bar;
}

// Hides a bar whose commands are not there, so no empty strip shows.
void showWhenUsed(QToolBar* bar) { bar->setVisible(!bar->actions().isEmpty()); }

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent), m_store(std::make_unique<TaskStore>(Platform::appFolder())) {
    setObjectName(QStringLiteral("frmMain"));
    buildWindow();
    buildMenus();
    resize(scaled(772), scaled(654));
    // The narrowest the user can drag the window; the height has no minimum of its own.
    setMinimumWidth(scaled(396));
}

TfrmMain::~TfrmMain() {
    qApp->removeEventFilter(this);
    FormDestroy();
    // The views show tables this window owns: let them go before the tables do.
    delete takeCentralWidget();
}

bool TfrmMain::hasFocusIn(const QWidget* widget) const { return focusWidget() == widget; }

int TfrmMain::scaled(int pixels) const { return pixels * logicalDpiX() / 96; }

void TfrmMain::buildWindow() {
    auto* central = panel(QStringLiteral("pnlClient"), this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    pnlTop = panel(QStringLiteral("pnlTop"), central);
    auto* topLayout = new QVBoxLayout(pnlTop);
    topLayout->setContentsMargins(0, 0, 0, 0);
    ToolBar1 = toolBar(QStringLiteral("ToolBar1"), Qt::Horizontal, pnlTop);
    topLayout->addWidget(ToolBar1);
    layout->addWidget(pnlTop);

    // Lower area (to-do list) under the main area; both sizable.
    m_splitTodo = new QSplitter(Qt::Vertical, central);
    m_splitTodo->setObjectName(QStringLiteral("splitTodo"));
    m_splitTodo->setChildrenCollapsible(false);
    layout->addWidget(m_splitTodo, 1);

    m_splitMain = new QSplitter(Qt::Horizontal, m_splitTodo);
    m_splitMain->setObjectName(QStringLiteral("splitMain"));
    m_splitMain->setChildrenCollapsible(false);
    m_splitMain->setHandleWidth(9);

    pnlCalendars = panel(QStringLiteral("pnlCalendars"), m_splitMain);
    pnlCalendars->setMinimumWidth(20);
    pnlNav = panel(QStringLiteral("pnlNav"), pnlCalendars);
    pnlNav->hide();
    buildCalendars();

    m_splitDay = new QSplitter(Qt::Vertical, m_splitMain);
    m_splitDay->setObjectName(QStringLiteral("splitDay"));
    m_splitDay->setChildrenCollapsible(false);

    auto* dayArea = panel(QStringLiteral("pnlDay"), m_splitDay);
    dayArea->setMinimumHeight(8);
    auto* dayLayout = new QVBoxLayout(dayArea);
    dayLayout->setContentsMargins(0, 0, 0, 0);
    dayLayout->setSpacing(0);
    Panel2 = panel(QStringLiteral("Panel2"), dayArea);
    Panel2->setBackgroundRole(QPalette::Button);
    Panel2->setAutoFillBackground(true);
    auto* titleLayout = new QVBoxLayout(Panel2);
    titleLayout->setContentsMargins(4, 2, 4, 2);
    lblDate = new QLabel(QStringLiteral("Tasks for "), Panel2);
    lblDate->setObjectName(QStringLiteral("lblDate"));
    lblDate->setForegroundRole(QPalette::WindowText);  // the panel behind it is button-coloured
    QFont titleFont = lblDate->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.3);
    lblDate->setFont(titleFont);
    titleLayout->addWidget(lblDate);
    dayLayout->addWidget(Panel2);

    auto* listRow = new QHBoxLayout();
    listRow->setSpacing(0);
    gridDay = new GridView(m_store->gridDay, QStringLiteral("gridDay"), dayArea);
    listRow->addWidget(gridDay, 1);
    ToolBar2 = toolBar(QStringLiteral("ToolBar2"), Qt::Vertical, dayArea);
    listRow->addWidget(ToolBar2);
    dayLayout->addLayout(listRow, 1);

    pnlMemo = panel(QStringLiteral("pnlMemo"), m_splitDay);
    auto* memoLayout = new QVBoxLayout(pnlMemo);
    memoLayout->setContentsMargins(0, 0, 0, 0);
    memWhat = new QTextEdit(pnlMemo);
    memWhat->setObjectName(QStringLiteral("memWhat"));
    memWhat->setFrameShape(QFrame::NoFrame);
    memWhat->setFocusPolicy(Qt::ClickFocus);
    QPalette memoPalette = memWhat->palette();
    memoPalette.setColor(QPalette::Base, QColor(248, 251, 201));
    memWhat->setPalette(memoPalette);
    memWhat->setContextMenuPolicy(Qt::NoContextMenu);
    memWhat->setTabChangesFocus(true);
    memoLayout->addWidget(memWhat);

    pnlTodo = panel(QStringLiteral("pnlTodo"), m_splitTodo);
    pnlTodo->setMinimumHeight(8);  // the to-do area may collapse to a strip
    auto* todoLayout = new QVBoxLayout(pnlTodo);
    todoLayout->setContentsMargins(0, 0, 0, 0);
    todoLayout->setSpacing(0);
    EsLabel1 = new QLabel(QStringLiteral("To-do Tasks"), pnlTodo);
    EsLabel1->setObjectName(QStringLiteral("EsLabel1"));
    EsLabel1->setFont(titleFont);
    EsLabel1->setContentsMargins(4, 2, 4, 2);
    todoLayout->addWidget(EsLabel1);
    auto* todoRow = new QHBoxLayout();
    todoRow->setSpacing(0);
    gridNondayView = new GridView(m_gridNonday, QStringLiteral("gridNonday"), pnlTodo);
    todoRow->addWidget(gridNondayView, 1);
    ToolBar3 = toolBar(QStringLiteral("ToolBar3"), Qt::Vertical, pnlTodo);
    todoRow->addWidget(ToolBar3);
    todoLayout->addLayout(todoRow, 1);

    setCentralWidget(central);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(true);
    m_statusText = new QLabel(bar);
    m_statusText->setObjectName(QStringLiteral("StatusText"));
    bar->addWidget(m_statusText, 1);
    setStatusBar(bar);

    buildListCommands();
    m_splitMain->setSizes({scaled(294), scaled(772 - 294)});
    m_splitDay->setSizes({scaled(400), scaled(81)});
    m_splitTodo->setSizes({scaled(654 - 241), scaled(241)});
}

void TfrmMain::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("File1"));
    connect(MenuItem(file, QStringLiteral("Categories1"), QStringLiteral("Categories")), &QAction::triggered, this,
            &TfrmMain::Categories1Click);
    connect(MenuItem(file, QStringLiteral("Holidays1"), QStringLiteral("Holidays"), QKeySequence(Qt::CTRL | Qt::Key_H)),
            &QAction::triggered, this, &TfrmMain::Holidays1Click);
    connect(MenuItem(file, QStringLiteral("Options1"), QStringLiteral("Options"), QKeySequence(Qt::CTRL | Qt::Key_O)),
            &QAction::triggered, this, &TfrmMain::Options2Click);
    QAction* completed = MenuItem(file, QStringLiteral("CompletedTasks1"), QStringLiteral("View Completed Tasks"));
    connect(completed, &QAction::triggered, this, &TfrmMain::CompletedTasks1Click);
    btFilter = ToolBar1->addAction(GlyphIcon(QStringLiteral("\u25BC"), QColor(0, 70, 160)), QStringLiteral("Filter tasks"));
    btFilter->setObjectName(QStringLiteral("btFilter"));
    btFilter->setToolTip(QStringLiteral("Filter tasks"));
    connect(btFilter, &QAction::triggered, this, &TfrmMain::btFilterClick);
    auto* tbCompleted = ToolBar1->addAction(GlyphIcon(QStringLiteral("\u2611"), QColor(0, 110, 0)),
                                            QStringLiteral("View Completed Tasks"));
    tbCompleted->setObjectName(QStringLiteral("ToolButton7"));
    tbCompleted->setToolTip(QStringLiteral("View Completed Tasks"));
    connect(tbCompleted, &QAction::triggered, this, &TfrmMain::CompletedTasks1Click);
    auto* tbOptions = ToolBar1->addAction(GlyphIcon(QStringLiteral("\u2699"), QColor(60, 60, 60)), QStringLiteral("Options"));
    tbOptions->setObjectName(QStringLiteral("ToolButton5"));
    tbOptions->setToolTip(QStringLiteral("Options"));
    connect(tbOptions, &QAction::triggered, this, &TfrmMain::Options2Click);
    auto* tbHolidays =
        ToolBar1->addAction(GlyphIcon(QStringLiteral("\u2605"), QColor(200, 150, 0)), QStringLiteral("Holidays"));
    tbHolidays->setObjectName(QStringLiteral("ToolButton6"));
    tbHolidays->setToolTip(QStringLiteral("Holidays"));
    connect(tbHolidays, &QAction::triggered, this, &TfrmMain::Holidays1Click);
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("Exit1"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    exit->setShortcutContext(Qt::ApplicationShortcut);
    connect(exit, &QAction::triggered, this, &TfrmMain::SayGoodBye);
    addAction(exit);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("Edit1"));
    connect(MenuItem(edit, QStringLiteral("Insertnewtask1"), QStringLiteral("Insert new task"),
                     QKeySequence(Qt::CTRL | Qt::Key_Insert)),
            &QAction::triggered, this, [this] { btAddClick(true); });
    connect(MenuItem(edit, QStringLiteral("Insertnewtodo1"), QStringLiteral("Insert new to-do"),
                     QKeySequence(Qt::SHIFT | Qt::Key_Insert)),
            &QAction::triggered, this, [this] { btAddClick(false); });
    connect(MenuItem(edit, QStringLiteral("Editexistingtask1"), QStringLiteral("Edit existing task"),
                     QKeySequence(Qt::CTRL | Qt::Key_Return)),
            &QAction::triggered, this, [this] { btEditClick(true); });
    connect(MenuItem(edit, QStringLiteral("Editexistingtodo1"), QStringLiteral("Edit existing to-do"),
                     QKeySequence(Qt::SHIFT | Qt::Key_Return)),
            &QAction::triggered, this, [this] { btEditClick(false); });
    connect(MenuItem(edit, QStringLiteral("Deleteexistingtask1"), QStringLiteral("Delete existing task"),
                     QKeySequence(Qt::CTRL | Qt::Key_Delete)),
            &QAction::triggered, this, [this] { btDelClick(true); });
    connect(MenuItem(edit, QStringLiteral("Deleteexistingtodo1"), QStringLiteral("Delete existing to-do"),
                     QKeySequence(Qt::SHIFT | Qt::Key_Delete)),
            &QAction::triggered, this, [this] { btDelClick(false); });

    Filters1 = menuBar()->addAction(QStringLiteral("Filters"));
    Filters1->setObjectName(QStringLiteral("Filters1"));
    connect(Filters1, &QAction::triggered, this, &TfrmMain::btFilterClick);

    QMenu* resize = menuBar()->addMenu(QStringLiteral("&Resize"));
    resize->setObjectName(QStringLiteral("Resize1"));
    connect(MenuItem(resize, QStringLiteral("N4monthCalendars1"), QStringLiteral("4-month Calendars Width")),
            &QAction::triggered, this, &TfrmMain::N4monthCalendars1Click);
    connect(MenuItem(resize, QStringLiteral("DaytoNonDayEvents1"), QStringLiteral("Day to To-do Tasks")),
            &QAction::triggered, this, &TfrmMain::DaytoNonDayEvents1Click);
    connect(MenuItem(resize, QStringLiteral("DailyEventsNotes1"), QStringLiteral("Daily Tasks/Notes")),
            &QAction::triggered, this, &TfrmMain::DailyEventsNotes1Click);
    resize->addSeparator();
    connect(MenuItem(resize, QStringLiteral("Memorizescreensizepositions1"), QStringLiteral("Memorize screen size/positions")),
            &QAction::triggered, this, [this] { MemorizeScreen(true); });
    connect(MenuItem(resize, QStringLiteral("Recoverscreensizepositions1"), QStringLiteral("Restore screen size/positions"),
                     QKeySequence(Qt::CTRL | Qt::Key_R)),
            &QAction::triggered, this, [this] { RecoverScreenSize(true); });
    resize->addSeparator();
    connect(MenuItem(resize, QStringLiteral("Maximizedailyevents1"), QStringLiteral("Maximize daily tasks"),
                     QKeySequence(Qt::CTRL | Qt::Key_D)),
            &QAction::triggered, this, &TfrmMain::Maximizedailyevents1Click);
    connect(MenuItem(resize, QStringLiteral("Maximizenondaytasks1"), QStringLiteral("Maximize to-do tasks"),
                     QKeySequence(Qt::CTRL | Qt::Key_T)),
            &QAction::triggered, this, &TfrmMain::Maximizenondaytasks1Click);
}

QMenu* TfrmMain::listMenu(bool dayList) {
    auto* menu = new QMenu(this);
    menu->setObjectName(dayList ? QStringLiteral("PopupMenu1") : QStringLiteral("PopupMenu2"));
    const QString n = dayList ? QStringLiteral("1") : QStringLiteral("2");
    connect(MenuItem(menu, QStringLiteral("Add") + n, QStringLiteral("Add")), &QAction::triggered, this,
            [this, dayList] { btAddClick(dayList); });
    connect(MenuItem(menu, QStringLiteral("Edit") + n, QStringLiteral("Edit")), &QAction::triggered, this,
            [this, dayList] { btEditClick(dayList); });
    connect(MenuItem(menu, QStringLiteral("Clone") + n, QStringLiteral("Clone")), &QAction::triggered, this,
            [this, dayList] { Clone1Click(dayList); });
    connect(MenuItem(menu, QStringLiteral("Delete") + n, QStringLiteral("Delete")), &QAction::triggered, this,
            [this, dayList] { btDelClick(dayList); });
    menu->addSeparator();
    connect(MenuItem(menu, QStringLiteral("Print") + n, QStringLiteral("Print")), &QAction::triggered, this,
            [this, dayList] { dayList ? Print3Click() : Print2Click(); });
    QMenu* exportMenu = menu->addMenu(QStringLiteral("Export"));
    connect(MenuItem(exportMenu, QStringLiteral("HTMLFormat") + n, QStringLiteral("HTML Format")),
            &QAction::triggered, this, [this] { exportList(true, focusWidget() == gridDay); });
    connect(MenuItem(exportMenu, QStringLiteral("CSVFormat") + n, QStringLiteral("CSV Format")),
            &QAction::triggered, this, [this] { exportList(false, focusWidget() == gridDay); });
    connect(MenuItem(menu, QStringLiteral("Markascompleted") + n, QStringLiteral("Mark as completed")),
            &QAction::triggered, this, [this, dayList] { Markascompleted1Click(dayList); });
    return menu;
}

void TfrmMain::buildListCommands() {
    struct Button {
        QToolBar* bar;
        const char* name;
        const char* glyph;
        QColor color;
        const char* hint;
        std::function<void()> run;
    };
    const QColor green(0, 128, 0), blue(0, 70, 160), red(190, 0, 0), dark(60, 60, 60);
    const Button buttons[] = {
        {ToolBar2, "tbAdd1", "+", green, "Add new task - Ctrl+Ins", [this] { btAddClick(true); }},
        {ToolBar2, "tbEdit1", "\u270E", blue, "Edit task - Ctrl+Enter", [this] { btEditClick(true); }},
        {ToolBar2, "tbDel1", "\u2715", red, "Delete task - Ctrl+Del", [this] { btDelClick(true); }},
        {ToolBar2, "ToolButton9", "\u25A4", dark, "Print date tasks", [this] { Print3Click(); }},
        {ToolBar2, "tbDone1", "\u2713", green, "Mark as completed", [this] { Markascompleted1Click(true); }},
        {ToolBar2, "tbClone1", "\u2750", blue, "Clone existing task", [this] { Clone1Click(true); }},
        {ToolBar2, "ToolButton15", "\u266B", dark, "Toggle alarm (yes/no)", [this] { ToolButton15Click(); }},
        {ToolBar2, "ToolButton23", "\u25C9", green, "Today - Ctrl-Home", [this] { Today1Click(); }},
        {ToolBar3, "tbAdd2", "+", green, "Add new todo - Shift+Ins", [this] { btAddClick(false); }},
        {ToolBar3, "tbEdit2", "\u270E", blue, "Edit todo - Shift+Enter", [this] { btEditClick(false); }},
        {ToolBar3, "tbDel2", "\u2715", red, "Delete Todo - Shift+Del", [this] { btDelClick(false); }},
        {ToolBar3, "ToolButton11", "\u25A4", dark, "Print tasks", [this] { Print2Click(); }},
        {ToolBar3, "tbDone2", "\u2713", green, "Mark as completed", [this] { Markascompleted1Click(false); }},
        {ToolBar3, "tbClone2", "\u2750", blue, "Clone existing task", [this] { Clone1Click(false); }},
    };
    for (const Button& b : buttons) {
        QAction* a = b.bar->addAction(GlyphIcon(QString::fromUtf8(b.glyph), b.color), QString::fromLatin1(b.hint));
        a->setObjectName(QString::fromLatin1(b.name));
        a->setToolTip(QString::fromLatin1(b.hint));
        connect(a, &QAction::triggered, this, b.run);
    }
    for (GridView* list : {gridDay, gridNondayView}) {
        const bool day = list == gridDay;
        QMenu* menu = listMenu(day);
        list->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(list, &QWidget::customContextMenuRequested, this,
                [list, menu](const QPoint& pos) { menu->popup(list->viewport()->mapToGlobal(pos)); });
        connect(list, &QAbstractItemView::doubleClicked, this, [this, day] { EditOrComplete(day, 1); });
        connect(list->horizontalHeader(), &QHeaderView::sectionClicked, this,
                [this, list](int column) { sortList(list, column); });
    }
    connect(gridDay->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TfrmMain::DrawExtraMemo);
    connect(gridDay->gridModel(), &QAbstractItemModel::modelReset, this, [this] {
        connect(gridDay->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TfrmMain::DrawExtraMemo,
                Qt::UniqueConnection);
    });
}

bool TfrmMain::FormCreate() {
    memWhat->setAcceptRichText(false);
    Options().load();
    RecoverScreenSize(false);
    m_alarmActive = false;
    m_exitFlag = false;
    m_filterNoteShown = false;
    m_splitterHighlight = false;
    m_resizeAttached = true;

    struct Required {
        const char* file;
        GridTable* table;
        const char* missing;
    };
    const Required required[] = {{"grid.grd", &m_store->gridStore, "Grid.grd file not found!"},
                                 {"gridNon.grd", &m_gridNonday, "GridNon.grd file not found!"}};
    for (const Required& r : required) {
        const QString path = appFile(r.file);
        if (!QFile::exists(path)) {
            ShowErrorMessage(QString::fromLatin1(r.missing));
            return false;
        }
        try {
            ReadTableFile(*r.table, path);
        } catch (const CalvoraError& e) {
            // An unreadable file must not be replaced by an empty table at exit.
            ShowErrorMessage(e.message());
            return false;
        }
    }
    // Day lookups rely on the key order; a store edited by hand may have lost it.
    m_store->sortStore();

    setWindowTitle(QStringLiteral("Calvora"));
    for (GridView* v : {gridDay, gridNondayView}) {
        QPalette p = v->palette();
        p.setColor(QPalette::Highlight, palette().color(QPalette::Highlight));
        p.setColor(QPalette::HighlightedText, palette().color(QPalette::HighlightedText));
        v->setPalette(p);
    }

    m_timerPool.attach(Trigger::SplitterHighlight, [this] { Timer2Timer(); });
    m_timerPool.attach(Trigger::StatusClock, [this] { UpdateStatusClock(); });
    m_timerPool.createTriggers();

    showWhenUsed(ToolBar1);
    showWhenUsed(ToolBar2);
    showWhenUsed(ToolBar3);
    pnlTop->setVisible(!ToolBar1->actions().isEmpty());

    gridDay->gridModel()->setStrikeOutColumn(3);
    gridNondayView->gridModel()->setStrikeOutColumn(2);
    ChangeGridFonts();
    ChangeCalFonts();
    gridDay->sync();
    gridNondayView->sync();
    // The window sees keys, focus changes and resizes of its parts before the controls do.
    qApp->installEventFilter(this);
    m_created = true;
    UpdateStatusClock();
    return true;
}

void TfrmMain::setFilter(TaskFilter* filter) {
    m_filter = filter;
    m_store->filter = filter;
}

void TfrmMain::setCompletedLog(CompletedLog* log, TfrmComplete* window) {
    m_log = log;
    m_frmComplete = window;
}

void TfrmMain::setFilterWindow(TfrmFilter* window) {
    m_frmFilter = window;
    connect(window, &TfrmFilter::filterApplied, this, [this] {
        ColorAllCalendars(true);
        cal1DateChange();
    });
}

void TfrmMain::btFilterClick() {
    if (!m_frmFilter) return;
    m_frmFilter->showModally();
    updateFilterImage(true);
}

// The menu caption, the tool button's image and, once the window was used, the colour of
// the panel behind the day heading tell whether filters hide anything.
void TfrmMain::updateFilterImage(bool withPanel) {
    const FilterDisplay d = TfrmFilter::display(m_filter);
    Filters1->setText(d.caption);
    btFilter->setIcon(GlyphIcon(QStringLiteral("\u25BC"), d.imageIndex == 11 ? QColor(200, 0, 0) : QColor(0, 70, 160)));
    if (!withPanel) return;
    QPalette p = Panel2->palette();
    p.setColor(Panel2->backgroundRole(), d.panelColor);
    Panel2->setPalette(p);
}

void TfrmMain::setOptionsWindow(TfrmOptions* window) {
    m_frmOptions = window;
    connect(window, &TfrmOptions::shadowsChanged, this, &TfrmMain::ApplySettings);
    connect(window, &TfrmOptions::strikeOutChanged, this, [this] {
        ColorAllCalendars(true);
        cal1DateChange();
        gridNondayView->viewport()->update();
    });
    connect(window, &TfrmOptions::dayColorsChanged, this, [this] {
        ColorAllCalendars(true);
        applyDonePanels();
    });
    connect(window, &TfrmOptions::monthColorChanged, this, [this] {
        m_monthColorRefresh = true;
        ColorAllCalendars(true);
        m_monthColorRefresh = false;
        if (!Options().monthColor)
            for (MonthCalendar* c : m_cals) {
                c->setMonthBackColor(palette().color(QPalette::Button));
                c->setWeekdayHeaderBackColor(palette().color(QPalette::Button));
            }
    });
    connect(window, &TfrmOptions::hintColorsChanged, this, [] {
        QPalette tips = QToolTip::palette();
        tips.setColor(QPalette::ToolTipBase, Options().hintBG);
        tips.setColor(QPalette::ToolTipText, Options().hintFG);
        QToolTip::setPalette(tips);
    });
    connect(window, &TfrmOptions::changeCalFonts, this, &TfrmMain::ChangeCalFonts);
    connect(window, &TfrmOptions::changeGridFonts, this, &TfrmMain::ChangeGridFonts);
    connect(window, &TfrmOptions::rowHeightChanged, this, &TfrmMain::applyRowHeight);
    applyDonePanels();
}

void TfrmMain::Options2Click() {
    if (!m_frmOptions) return;
    m_frmOptions->exec();
    ReadSettings(false);
}

// The options as the main window shows them.
void TfrmMain::ReadSettings(bool stopTriggers) {
    ApplySettings(Options().shadows);
    m_timerPool.setActive(Trigger::Chime, Options().hourChime || Options().halfChime);
    m_timerPool.setActive(Trigger::Popup, Options().popup);
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, Options().hintBG);
    tips.setColor(QPalette::ToolTipText, Options().hintFG);
    QToolTip::setPalette(tips);
    if (stopTriggers) {
        m_timerPool.setActive(Trigger::PanelFlash, false);
        m_timerPool.setActive(Trigger::StatusClock, false);
    }
}

void TfrmMain::ApplySettings(bool shadows) {
    const QFont& title = Options().titleFont;
    const int height = std::abs(int(title.pointSizeF() * logicalDpiY() / 72)) + 8 + (shadows ? 3 : 0);
    for (QLabel* label : {lblDate, EsLabel1}) {
        label->setFont(title);
        label->setMinimumHeight(height);
        ApplyTitleStyle(label, shadows);
    }
    if (m_frmFilter) {
        m_frmFilter->lblTitle->setFont(title);
        ApplyTitleStyle(m_frmFilter->lblTitle, shadows);
    }
    if (m_frmComplete) m_frmComplete->lblTitle->setFont(title);
    const Qt::DayOfWeek weekStart = Options().sunday ? Qt::Sunday : Qt::Monday;
    for (MonthCalendar* c : m_cals) c->setWeekStart(weekStart);
    // Fly-by hints: the tool tips of this window's controls show only while they are on.
    for (QWidget* w : findChildren<QWidget*>()) w->setAttribute(Qt::WA_AlwaysShowToolTips, false);
    setToolTipDuration(Options().flyBy ? -1 : 1);
    for (QToolBar* bar : findChildren<QToolBar*>()) bar->setToolTipDuration(Options().flyBy ? -1 : 1);
    UpdateLabels(m_current);
    relayLists();
}

void TfrmMain::ChangeCalFonts() {
    for (MonthCalendar* c : m_cals) c->setFont(Options().calFont);
    resizeCalendars();
}

void TfrmMain::ChangeGridFonts() {
    for (QWidget* w : {static_cast<QWidget*>(gridDay), static_cast<QWidget*>(gridNondayView),
                       static_cast<QWidget*>(memWhat)})
        w->setFont(Options().gridFont);
    applyRowHeight();
}

void TfrmMain::applyRowHeight() {
    for (GridView* v : {gridDay, gridNondayView}) {
        v->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        v->verticalHeader()->setDefaultSectionSize(std::max(scaled(Options().rowHeight), v->fontMetrics().height() + 2));
        v->sync();
    }
    relayLists();
}

// The filter window's coloured panels wear the calendar colours of done and open tasks.
void TfrmMain::applyDonePanels() {
    if (!m_frmFilter) return;
    const ProgramOptions& o = Options();
    m_frmFilter->setDonePanel(o.doneBG, o.doneFG, font());
    m_frmFilter->setNotDonePanel(o.notDoneBG, o.notDoneFG, font());
}

void TfrmMain::ReadFontSettings() { m_printFont = ReadPrintFont(); }

void TfrmMain::SaveFontSettings() { SavePrintFont(m_printFont); }

void TfrmMain::MemorizeScreen(bool byUser) {
    LayoutMemory::MemorizeScreen(byUser, {y(), x(), height(), width(), pnlCalendars->width(), pnlTodo->height(),
                                          pnlMemo->height()});
}

void TfrmMain::RecoverScreenSize(bool byUser) {
    const QScreen* s = screen();
    if (!s) return;
    const std::optional<WindowPlacement> w = LayoutMemory::RecoverScreenSize(byUser, s->geometry().size());
    if (!w) return;
    if (w->maximized) {
        showMaximized();
    } else {
        resize(w->width, w->height);
        move(w->left, w->top);
    }
    const int client = height() - (menuBar() ? menuBar()->height() : 0);
    m_pendingPanels = LayoutMemory::RecoverPanelSizes(byUser, size(), client);
    if (isVisible()) applyPanelSizes();
}

// The calendar column's width and the to-do and notes panes' heights; the neighbouring
// panels take the rest of their splitter.
void TfrmMain::applyPanelSizes() {
    if (!m_pendingPanels) return;
    const PanelSizes p = *m_pendingPanels;
    m_pendingPanels.reset();
    if (QLayout* l = centralWidget()->layout()) l->activate();
    const auto rest = [](QSplitter* split) {
        const QList<int> sizes = split->sizes();
        return sizes.value(0) + sizes.value(1);
    };
    const int mainTotal = rest(m_splitMain);
    m_splitMain->setSizes({p.split1Pos, std::max(1, mainTotal - p.split1Pos)});
    const int todoTotal = rest(m_splitTodo);
    m_splitTodo->setSizes({std::max(1, todoTotal - p.split2Pos), p.split2Pos});
    const int dayTotal = rest(m_splitDay);
    m_splitDay->setSizes({std::max(1, dayTotal - p.splitDay), p.splitDay});
}

void TfrmMain::Holidays1Click() {
    {
        TfrmHoliday dialog(this);
        dialog.execute();
    }
    // A clone or an import has written the file already, whatever way the dialog closed.
    LoadHolidayTable(m_gridHoliday);
    ColorAllCalendars(true);
    UpdateLabels(m_current);
}

void TfrmMain::Categories1Click() { TfrmListBox::categoriesCommand(m_store->gridStore, m_filter, this); }

void TfrmMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous() && m_created) FormShow();
}

void TfrmMain::FormShow() {
    applyPanelSizes();
    const Qt::DayOfWeek weekStart = Options().sunday ? Qt::Sunday : Qt::Monday;
    for (MonthCalendar* c : m_cals) c->setWeekStart(weekStart);
    fix2000();
    LoadHolidayTable(m_gridHoliday);
    ReadSettings(false);
    m_dateChangeBusy = false;
    m_monthChangeBusy = false;

    // Today in the second calendar, which becomes the current one.
    for (MonthCalendar* c : m_cals) {
        c->setBevel(c == cal(2) ? MonthCalendar::Bevel::Raised : MonthCalendar::Bevel::Lowered, 3);
        c->setSelectedBackColor(palette().color(c == cal(2) ? QPalette::Highlight : QPalette::Button));
    }
    m_current = nullptr;
    cal(2)->setDate(Platform::clock().now().date());
    m_current = cal(2);
    m_previous = cal(2);
    updateAppropriateMonth();
    m_store->readFromStore(DayNumber(m_current->date()));
    gridDay->sync();
    gridDay->setCurrentRow(1);
    DrawExtraMemo();
    UpdateLabels(cal(2));
    m_current->setFocus();
    resizeCalendars();

    gridDay->setFocus();
    gridDayEnter(gridDay);
    m_timerPool.setActive(Trigger::SplitterHighlight, true);
    updateFilterImage(false);
    ReadFontSettings();
    m_timerPool.setActive(Trigger::Popup, Options().popup);
    if (isMinimized()) {
        m_timerPool.setActive(Trigger::PanelFlash, false);
        m_timerPool.setActive(Trigger::StatusClock, false);
    }
    UpdateStatusClock();
    remindOfVersionCheck();
}

void TfrmMain::remindOfVersionCheck() {
    const QString options = QStringLiteral("Options");
    const QString days = QStringLiteral("Days");
    const int today = DayNumber(Platform::clock().now().date());
    const int stored = SettingsStore::readInteger(options, days, -1);
    if (stored < 0) SettingsStore::writeInteger(options, days, today);
    if (stored > 0 && std::abs(today - stored) > 42) {
        ShowInfoMessage(QStringLiteral(
            "It has been over 6 weeks since checking for a new version.  Click on the Help | Version Check menu to "
            "make sure you have the latest version."));
        SettingsStore::writeInteger(options, days, today);
    }
}

void TfrmMain::fix2000() { ::fix2000(ProcessFormatSettings()); }

QString TfrmMain::todayText(const QString& format) const {
    return QStringLiteral("Today is ") + FormatDateTime(format, Platform::clock().now());
}

void TfrmMain::UpdateStatusClock() {
    if (m_statusText) m_statusText->setText(todayText(QStringLiteral("dddddd tt")));
}

// Without a blink request one layout pass; otherwise one step of a size bar's blink.
void TfrmMain::Timer2Timer() {
    if (!m_splitterHighlight) {
        FormResize();
        m_timerPool.setActive(Trigger::SplitterHighlight, false);
        return;
    }
    if (m_blinkCount <= 0 || !m_blinkSplitter) {
        m_timerPool.setActive(Trigger::SplitterHighlight, false);
        m_splitterHighlight = false;
        return;
    }
    // Odd steps draw the bar sunken in the highlight colour, even steps plain; it ends sunken.
    QSplitterHandle* handle = m_blinkSplitter->handle(1);
    handle->setStyleSheet(m_blinkCount % 2 ? QStringLiteral("background: palette(highlight);") : QString());
    --m_blinkCount;
}

void TfrmMain::blinkSizeBar(QSplitter* splitter, const QPoint& pointer) {
    if (m_blinkSplitter && m_blinkSplitter != splitter) m_blinkSplitter->handle(1)->setStyleSheet(QString());
    m_blinkSplitter = splitter;
    m_splitterHighlight = true;
    m_blinkCount = 15;
    m_timerPool.setActive(Trigger::SplitterHighlight, true);
    const QScreen* screen = this->screen();
    if (screen && pointer.x() < screen->geometry().right() && pointer.y() < screen->geometry().bottom())
        QCursor::setPos(pointer);
}

void TfrmMain::N4monthCalendars1Click() {
    QSplitterHandle* h = m_splitMain->handle(1);
    blinkSizeBar(m_splitMain, h->mapToGlobal(QPoint(h->width() / 2, h->height() / 2)));
}

void TfrmMain::DaytoNonDayEvents1Click() {
    QSplitterHandle* h = m_splitTodo->handle(1);
    blinkSizeBar(m_splitTodo, h->mapToGlobal(QPoint(h->width() / 2, h->height() / 2)));
}

void TfrmMain::DailyEventsNotes1Click() {
    QSplitterHandle* h = m_splitDay->handle(1);
    blinkSizeBar(m_splitDay, h->mapToGlobal(QPoint(h->width() / 2, h->height() / 2)));
}

void TfrmMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_resizeAttached) FormResize();
}

void TfrmMain::FormResize() {
    ResizeGridDay();
    ResizeGridNonDay();
}

namespace {
// The rest of the grid's width for the notes column, after the other columns, the
// scroll bar when the rows do not all fit, and the frame.
int restOfWidth(QTableView* view, int others, int scaledFrame) {
    int rows = 0;
    for (int r = 0; r < view->model()->rowCount(); ++r) rows += view->rowHeight(r);
    const bool scrolls = rows > view->viewport()->height();
    const int bar = scrolls ? view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    return std::max(20, view->width() - others - bar - scaledFrame - 5);
}
}  // namespace

void TfrmMain::ResizeGridDay() {
    GridTable& t = m_store->gridDay;
    const int time = scaled(62), category = scaled(78), flag = scaled(46);
    t.setColWidth(0, time);
    t.setColWidth(1, category);
    t.setColWidth(3, flag);
    t.setColWidth(4, flag);
    t.setColWidth(2, restOfWidth(gridDay, time + category + 2 * flag, scaled(3)));
    gridDay->sync();
}

void TfrmMain::ResizeGridNonDay() {
    const int category = scaled(84), done = scaled(54);
    m_gridNonday.setColWidth(0, category);
    m_gridNonday.setColWidth(2, done);
    m_gridNonday.setColWidth(1, restOfWidth(gridNondayView, category + done, scaled(3)));
    gridNondayView->sync();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::Resize && m_resizeAttached) {
        if (watched == pnlCalendars) resizeCalendars();
        if (watched == pnlTodo || watched == pnlCalendars) FormResize();
        return false;
    }
    if (type == QEvent::FocusOut && watched == memWhat && m_created) {
        memWhatExit();
        return false;
    }
    if (type == QEvent::MouseButtonPress && m_current && watched != m_current &&
        std::find(std::begin(m_cals), std::end(m_cals), watched) != std::end(m_cals)) {
        // A calendar becomes current before its click moves the date: a click on a greyed day
        // of another month then moves the other calendars around it, not it back to them.
        auto* calendar = static_cast<MonthCalendar*>(watched);
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            calendar->cellAt(static_cast<QMouseEvent*>(event)->position().toPoint()) >= 0)
            cal1Click(calendar);
        return false;
    }
    if (type == QEvent::MouseButtonRelease && watched == memWhat->viewport()) {
        // A click on a web address opens it, unless text was being selected.
        const QString link = memWhat->anchorAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (!link.isEmpty() && !memWhat->textCursor().hasSelection()) Platform::shell().open(link);
        return false;
    }
    if (type == QEvent::FocusIn && (watched == gridDay || watched == gridNondayView)) {
        gridDayEnter(static_cast<GridView*>(watched));
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || !m_created) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::KeyRelease) {
        if (key->isAutoRepeat()) return false;
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
            if (hasFocusIn(gridDay)) btAddClick(true);
            else if (hasFocusIn(gridNondayView)) btAddClick(false);
        }
        m_statusText->setText(todayText(QStringLiteral("dddddd")));
        return false;
    }
    // Key presses, seen before the focused control.
    if (key->key() == Qt::Key_Escape) return true;  // Escape does nothing here
    if (key->modifiers() != Qt::NoModifier || !m_current) return false;
    const bool inNotes = hasFocusIn(memWhat);
    const int rows = m_store->gridDay.rowCount() - 1;
    switch (key->key()) {
        case Qt::Key_Left:
            if (inNotes) return false;
            m_current->setDate(m_current->date().addDays(-1));
            return true;
        case Qt::Key_Right:
            if (inNotes) return false;
            m_current->setDate(m_current->date().addDays(1));
            return true;
        case Qt::Key_Up:
            if (!hasFocusIn(gridDay) || (rows > 1 && gridDay->currentRow() != 1)) return false;
            m_current->setDate(m_current->date().addDays(-7));
            return true;
        case Qt::Key_Down:
            if (!hasFocusIn(gridDay) || (rows > 1 && gridDay->currentRow() != rows)) return false;
            m_current->setDate(m_current->date().addDays(7));
            return true;
        default:
            return false;
    }
}

bool TfrmMain::FormCloseQuery() {
    try {
        SaveFontSettings();
    } catch (...) {
    }
    return true;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TfrmMain::TurnOffAlarmSignals() { m_timerPool.switchAllOff(); }

void TfrmMain::saveTaskFiles() {
    if (!m_created) return;
    try {
        m_store->SortGridStore();
    } catch (...) {
    }
    try {
        WriteTableFile(m_gridNonday, appFile("gridNon.grd"));
    } catch (...) {
    }
}

void TfrmMain::FormClose() {
    if (m_closed) return;
    m_alarmActive = true;
    TurnOffAlarmSignals();
    try {
        MemorizeScreen(false);
    } catch (...) {
    }
    saveTaskFiles();
    m_closed = true;
}

void TfrmMain::SayGoodBye() {
    m_exitFlag = true;
    try {
        MemorizeScreen(false);
    } catch (...) {
    }
    m_alarmActive = true;
    TurnOffAlarmSignals();
    try {
        Platform::sound().stop();
    } catch (...) {
    }
    saveTaskFiles();
    m_closed = true;
    try {
        QApplication::quit();
    } catch (...) {
    }
}

void TfrmMain::WMQueryEndSession() {
    m_exitFlag = true;
    try {
        TurnOffAlarmSignals();
    } catch (...) {
    }
    close();
}

void TfrmMain::FormDestroy() {
    if (!m_created) return;
    try {
        m_store->saveStore();
    } catch (...) {
    }
}
