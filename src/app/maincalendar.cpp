// The main window's four month calendars: selecting a day, keeping the four months in
// step, colouring the day cells, the captions over the lists and the calendar layout.

#include <QLabel>
#include <QSplitter>
#include <QToolBar>

#include "app/gridview.h"
#include "app/main.h"
#include "app/taskfilter.h"
#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "common/monthcalendar.h"
#include "common/platform.h"
#include "common/routines.h"
#include "holidays/holidayrules.h"
#include "settings/programoptions.h"

QDate TfrmMain::selectedDate() const {
    return m_current ? m_current->date() : Platform::clock().now().date();
}

void TfrmMain::buildCalendars() {
    for (int i = 0; i < 4; ++i) {
        auto* c = new MonthCalendar(pnlCalendars);
        c->setObjectName(QStringLiteral("cal%1").arg(i + 1));
        m_cals[i] = c;
        connect(c, &MonthCalendar::clicked, this, [this, c] { cal1Click(c); });
        connect(c, &MonthCalendar::dateChanged, this, &TfrmMain::cal1DateChange);
        connect(c, &MonthCalendar::monthChanged, this, &TfrmMain::cal1MonthChange);
        connect(c, &MonthCalendar::yearChanged, this, &TfrmMain::cal1MonthChange);
        connect(c, &MonthCalendar::cellDoubleClicked, this, [this](int) { cal1CellDblClick(); });
        // Paging a calendar makes it the current one first, so the others follow its month.
        connect(c, &MonthCalendar::pagePressed, this, [this, c](int) {
            if (c != m_current) cal1Click(c);
        });
        c->setDrawCellHandler([this, c](CellPaint& cell) { cal1DrawCell(c, cell); });
    }
}

void TfrmMain::cal1Click(MonthCalendar* sender) {
    setUpdatesEnabled(false);
    m_previous = m_current;
    m_current = sender;
    for (MonthCalendar* c : m_cals) {
        if (c == m_current) continue;
        c->setSelectedBackColor(palette().color(QPalette::Button));
        c->setBevel(MonthCalendar::Bevel::Lowered, 3);
    }
    m_current->setSelectedBackColor(palette().color(QPalette::Highlight));
    if (m_current != m_previous) {
        m_current->setBevel(MonthCalendar::Bevel::Raised, 3);
        cal1DateChange();
    }
    setUpdatesEnabled(true);
}

void TfrmMain::cal1DateChange() {
    if (m_dateChangeBusy) return;
    m_dateChangeBusy = true;
    if (m_current) {
        m_previous = m_current;
        m_store->readFromStore(DayNumber(m_current->date()));
        gridDay->sync();
        gridDay->setCurrentRow(1);
        DrawExtraMemo();
        UpdateLabels(m_current);
        relayLists();
    }
    if (m_searchHitRow >= 0) {
        gridDay->setFocus();
        const GridTable& s = m_store->gridStore;
        const GridTable& d = m_store->gridDay;
        for (int r = 1; r < d.rowCount(); ++r) {
            if (!FilterTest(m_filter, d.cell(3, r), d.cell(1, r))) continue;
            if (d.cell(0, r) == s.cell(1, m_searchHitRow) && d.cell(1, r) == s.cell(2, m_searchHitRow) &&
                d.cell(2, r) == s.cell(3, m_searchHitRow)) {
                gridDay->setCurrentRow(r);
                break;
            }
        }
        m_searchHitRow = -1;
    }
    m_dateChangeBusy = false;
}

void TfrmMain::cal1MonthChange() {
    if (!m_current || !m_calendarsSynced || m_monthChangeBusy) return;
    m_monthChangeBusy = true;
    updateAppropriateMonth();
    m_monthChangeBusy = false;
}

void TfrmMain::updateAppropriateMonth() {
    m_calendarsSynced = false;
    const int i = int(std::find(std::begin(m_cals), std::end(m_cals), m_current) - std::begin(m_cals));
    const QDate c = m_current->date();
    // Months step from the current calendar outward, keeping the day where the month allows.
    for (int k = i - 1; k >= 0; --k) m_cals[k]->setDate(m_cals[k + 1]->date().addMonths(-1));
    for (int k = i + 1; k < 4; ++k) m_cals[k]->setDate(k == i + 1 ? c.addMonths(1) : m_cals[k - 1]->date().addMonths(1));
    m_calendarsSynced = true;
    ColorAllCalendars(true);
}

void TfrmMain::cal1DrawCell(MonthCalendar* calendar, CellPaint& cell) {
    if (!m_calendarsSynced) {
        cell.skip = true;
        return;
    }
    // The clock is read once per calendar painted, not once per cell.
    if (cell.index == 0 || !m_paintToday.isValid()) m_paintToday = Platform::clock().now().date();
    if (!cell.inMonth) return;
    const ProgramOptions& o = Options();
    const QDate& today = m_paintToday;
    QColor back = palette().color(QPalette::Button);
    QColor text = palette().color(QPalette::WindowText);
    const int day = DayNumber(cell.date);
    // Holidays first; tasks override them, and today overrides everything.
    if (o.holidayColor && !GetHolidaysForDate(m_gridHoliday, cell.date).isEmpty()) {
        back = o.holidayBG;
        text = o.holidayFG;
    }
    int first = 0;
    const GridTable& s = m_store->gridStore;
    if (o.doneColor && o.notDoneColor) {
        if (GetDayTaskState(s, day, false, true, first, m_filter) == 2) {
            back = o.notDoneBG;
            text = o.notDoneFG;
        } else if (GetDayTaskState(s, day, true, false, first, m_filter) == 1) {
            back = o.doneBG;
            text = o.doneFG;
        }
    } else {
        const int state = GetDayTaskState(s, day, o.doneColor, o.notDoneColor, first, m_filter);
        if (state == 1) {
            back = o.doneBG;
            text = o.doneFG;
        } else if (state == 2) {
            back = o.notDoneBG;
            text = o.notDoneFG;
        }
    }
    if (cell.date == today) {
        back = QColor(0, 255, 0);
        text = Qt::black;
    }
    if (cell.selected && calendar == m_current) {
        back = palette().color(QPalette::Highlight);
        text = palette().color(QPalette::HighlightedText);
    }
    cell.backColor = back;
    cell.textColor = text;
}

void TfrmMain::cal1CellDblClick() {
    if (!m_store->gridDay.cell(0, 1).isEmpty())
        btEditClick(true);
    else
        btAddClick(true);
}

void TfrmMain::ColorAllCalendars(bool all) {
    const ProgramOptions& o = Options();
    const QDate today = Platform::clock().now().date();
    for (MonthCalendar* c : m_cals) {
        if (!all && c != m_current) continue;
        if (o.monthColor || m_monthColorRefresh) {
            const bool thisMonth = c->date().year() == today.year() && c->date().month() == today.month();
            const QColor back = thisMonth ? o.monthBG : palette().color(QPalette::Button);
            c->setMonthBackColor(back);
            c->setWeekdayHeaderBackColor(back);
        }
        c->update();
    }
}

void TfrmMain::UpdateLabels(MonthCalendar* calendar) {
    const int todos = m_gridNonday.rowCount() - 1;
    EsLabel1->setText(todos <= 1 ? QStringLiteral("To-do Tasks") : QStringLiteral("%1 To-do Tasks").arg(todos));
    if (!calendar || calendar != m_current) return;
    const QDate date = calendar->date();
    const QDateTime dt = date.startOfDay();
    const QString holidays = GetHolidaysForDate(m_gridHoliday, date);
    QPalette p = lblDate->palette();
    if (!holidays.isEmpty()) {
        p.setColor(QPalette::WindowText, Qt::red);
        lblDate->setText(holidays + QLatin1Char(' ') + FormatDateTime(QStringLiteral("ddd ddddd"), dt) +
                         QStringLiteral("  ") + RelativeDayText(date));
    } else {
        const int rows = m_store->gridDay.rowCount() - 1;
        const QString count = rows <= 1 ? QString() : QStringLiteral("%1 tasks ").arg(rows);
        p.setColor(QPalette::WindowText, Options().shadows ? QColor(0, 0, 255) : QColor(0, 0, 128));
        const QString format = (count.isEmpty() ? QStringLiteral("dddd") : QStringLiteral("ddd")) +
                               QStringLiteral(" ddddd");
        lblDate->setText(count + FormatDateTime(format, dt) + QStringLiteral("  ") + RelativeDayText(date));
    }
    lblDate->setPalette(p);
}

void TfrmMain::resizeCalendars() {
    const int w = pnlCalendars->width();
    const int h = pnlCalendars->height();
    const int calWidth = std::max(1, (w - 8) / 2);
    int calHeight = std::max(1, (h - pnlNav->height() - 1) / 2);
    // The navigation bar shows only when it has a tool bar and room for it.
    QToolBar* navBar = pnlNav->findChild<QToolBar*>();
    const bool nav = navBar && (calHeight > 100 || calWidth > 100) && navBar->sizeHint().width() < w;
    pnlNav->setVisible(nav);
    if (!nav) calHeight = std::max(1, h / 2);
    const int left2 = 1 + calWidth - 1;
    const int top2 = calHeight - 1;
    cal(1)->setGeometry(1, 0, calWidth, calHeight);
    cal(2)->setGeometry(left2, 0, calWidth, calHeight);
    cal(3)->setGeometry(1, top2, calWidth, calHeight);
    cal(4)->setGeometry(left2, top2, calWidth, calHeight);
    if (nav) pnlNav->setGeometry(0, h - pnlNav->height(), w, pnlNav->height());

    int fontSize = Options().calFont.pointSize();
    bool flat = false;
    if (calHeight < 50 || calWidth < 70) {
        fontSize = 4;
        flat = true;
    } else if (calHeight < 100 || calWidth < 120) {
        fontSize = 6;
        flat = true;
    }
    for (MonthCalendar* c : m_cals) {
        c->setShowWeekdayHeader(calHeight > 106);
        c->setShowHeader(calHeight > 50);
        c->setFlatLabels(flat);
        c->setCellFontPointSize(fontSize);
        c->setCellBevels(calHeight >= 110 && calWidth >= 140);
    }
}

void TfrmMain::Maximizedailyevents1Click() {
    QList<int> sizes = m_splitTodo->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    m_splitTodo->setSizes({total - 8, 8});
    gridDay->setFocus();
}

void TfrmMain::Maximizenondaytasks1Click() {
    QList<int> sizes = m_splitTodo->sizes();
    m_splitTodo->setSizes({0, sizes.value(0) + sizes.value(1)});
    gridNondayView->setFocus();
}

void TfrmMain::Today1Click() {
    m_previous = m_current;
    for (MonthCalendar* c : m_cals) {
        c->setBevel(c == cal(2) ? MonthCalendar::Bevel::Raised : MonthCalendar::Bevel::Lowered, 3);
        c->setSelectedBackColor(palette().color(c == cal(2) ? QPalette::Highlight : QPalette::Button));
    }
    m_current = cal(2);
    cal(2)->setDate(Platform::clock().now().date());
    m_dateChangeBusy = true;
    m_monthChangeBusy = true;
    updateAppropriateMonth();
    m_dateChangeBusy = false;
    m_monthChangeBusy = false;
    // cal2 may have shown today already while another calendar was current.
    cal1DateChange();
}
