// The main window's task commands: add, edit, mark as completed, delete, clone and the
// alarm toggle for the day list and the to-do list, the notes pane, list sorting,
// printing and exporting the lists.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimeEdit>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QTextEdit>
#include <QToolBar>

#include "app/edit.h"
#include "app/gridview.h"
#include "app/main.h"
#include "app/taskfilter.h"
#include "common/basic.h"
#include "common/datevalue.h"
#include "common/formatsettings.h"
#include "common/monthcalendar.h"
#include "common/platform.h"
#include "common/routines.h"
#include "data/gridsort.h"
#include "data/tablefile.h"
#include "filters/complete.h"
#include "output/print.h"
#include "output/printgrid.h"
#include "settings/programoptions.h"

namespace {

QString appFile(const char* name) { return JoinPath(Platform::appFolder(), QString::fromLatin1(name)); }

// The field columns of each list.
struct Columns {
    int time, category, notes, done, alarm;
};
constexpr Columns kDay{0, 1, 2, 3, 4};
constexpr Columns kTodo{-1, 0, 1, 2, -1};

QString first50(const QString& notes) { return notes.left(50); }

// The notes as rich text in which web addresses are links; the plain text stays the same.
QString notesWithLinks(const QStringList& lines) {
    static const QRegularExpression url(QStringLiteral(R"((https?://|ftp://|mailto:|www\.)[^\s<>"]+)"),
                                        QRegularExpression::CaseInsensitiveOption);
    QString html;
    for (const QString& line : lines) {
        QString out;
        qsizetype at = 0;
        for (auto it = url.globalMatch(line); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            out += line.mid(at, m.capturedStart() - at).toHtmlEscaped();
            QString target = m.captured();
            if (target.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) target.prepend(QStringLiteral("http://"));
            out += QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), m.captured().toHtmlEscaped());
            at = m.capturedEnd();
        }
        out += line.mid(at).toHtmlEscaped();
        html += QStringLiteral("<p style=\"margin:0; white-space:pre-wrap\">") + out + QStringLiteral("</p>");
    }
    return html;
}

}  // namespace

void TfrmMain::saveTodoList() { WriteTableFile(m_gridNonday, appFile("gridNon.grd")); }

void TfrmMain::relayLists() {
    ResizeGridDay();
    ResizeGridNonDay();
}

void TfrmMain::btAddClick(bool dayList) {
    GridView* list = dayList ? gridDay : gridNondayView;
    const QDate day = selectedDate();
    const QString dateText = FormatDateTime(QStringLiteral("ddd ddddd"), day.startOfDay());
    QString title = dayList ? dateText + QLatin1Char(' ') + RelativeDayText(day) : QStringLiteral("To-do task");

    TfrmEdit editor(m_filter, m_log, &m_store->gridStore, this);
    editor.setNotesFont(memWhat->font());
    editor.taskDateText = dayList ? dateText : QStringLiteral("To-do task");
    editor.cbAlarm->setChecked(Options().newTaskAlarm);
    editor.lblTitle->setFont(lblDate->font());
    QPalette titlePalette = editor.lblTitle->palette();
    if (dayList && day < Platform::clock().now().date()) {
        title = QStringLiteral("PAST ") + title;
        titlePalette.setColor(QPalette::WindowText, Qt::red);
    } else {
        titlePalette.setColor(QPalette::WindowText, lblDate->palette().color(QPalette::WindowText));
    }
    editor.lblTitle->setPalette(titlePalette);
    editor.lblTitle->setText(title);
    if (!dayList) editor.setTimeVisible(false);
    editor.btComplete->setEnabled(false);
    editor.dateTaskFlag = dayList;
    editor.selectedDay = day;

    if (editor.exec() == QDialog::Accepted) {
        GridTable& t = dayList ? m_store->gridDay : m_gridNonday;
        const Columns& c = dayList ? kDay : kTodo;
        const int row = FindFreeRow(t);
        if (dayList) {
            t.setCell(c.time, row,
                      FormatDateTime(QStringLiteral("t"), QDateTime(QDate(1899, 12, 30), editor.dtTime->time())));
            t.setCell(c.alarm, row, BoolToYesNo(editor.cbAlarm->isChecked()));
        }
        t.setCell(c.category, row, editor.cbCategory->currentText());
        t.setCell(c.notes, row, editor.notesTrimmed());
        t.setCell(c.done, row, BoolToYesNo(editor.cbDone->isChecked()));
        if (dayList) {
            if (m_daySortColumn >= 0)
                SortGridTable(t, m_daySortColumn, m_daySortOrder, [](int col, const QString& a, const QString& b) {
                    return col == 0 ? CompareTime(a, b) : CompareAuto(a, b);
                });
            m_store->writeToStore(DayNumber(day));
            gridDay->sync();
            ColorAllCalendars(false);
        } else {
            gridNondayView->sync();
        }
        relayLists();
        UpdateLabels(cal(1));
        UpdateLabels(m_current);
    }
    list->setFocus();
    if (dayList && FilterActiveTest(m_filter) && !m_filterNoteShown) {
        ShowInfoMessage(QStringLiteral(
            "Note that since you have filters turned on it may look like the new task has disappeared. Turn the "
            "filters off and it will re-appear."));
        m_filterNoteShown = true;
    }
    if (!dayList) saveTodoList();
}

void TfrmMain::btEditClick(bool dayList) {
    (dayList ? gridDay : gridNondayView)->setFocus();
    EditOrComplete(dayList, 1);
    ColorAllCalendars(false);
    if (!dayList) saveTodoList();
}

void TfrmMain::Markascompleted1Click(bool dayList) {
    (dayList ? gridDay : gridNondayView)->setFocus();
    EditOrComplete(dayList, 0);
    ColorAllCalendars(false);
}

void TfrmMain::EditOrComplete(bool senderIsDayList, int mode) {
    bool dayList;
    if (hasFocusIn(gridNondayView))
        dayList = false;
    else
        dayList = hasFocusIn(gridDay) || senderIsDayList;
    GridView* list = dayList ? gridDay : gridNondayView;
    GridTable& t = dayList ? m_store->gridDay : m_gridNonday;
    const Columns& c = dayList ? kDay : kTodo;
    const int row = list->currentRow();
    const QDate day = selectedDate();
    const QString dateText = FormatDateTime(QStringLiteral("ddd ddddd"), day.startOfDay());

    const bool nothing = dayList ? t.cell(c.time, row).isEmpty() : t.cell(c.notes, row).isEmpty();
    if (nothing) {
        ShowErrorMessage(QStringLiteral("There is nothing to edit.  Click the plus symbol to add a new item."));
        return;
    }
    if (mode == 0 && t.cell(c.done, row) == QLatin1String("Yes")) {
        ShowErrorMessage(QStringLiteral("The task is already marked as complete."));
        return;
    }

    TfrmEdit editor(m_filter, m_log, &m_store->gridStore, this);
    editor.setNotesFont(memWhat->font());
    const QString notes = t.cell(c.notes, row);
    editor.setWindowTitle(QStringLiteral("Task: ") + first50(notes) + QStringLiteral(" ..."));
    editor.taskDateText = dayList ? dateText : QStringLiteral("Non date task");
    editor.editingFlag = true;
    editor.lblTitle->setFont(lblDate->font());
    editor.lblTitle->setPalette(lblDate->palette());
    if (dayList) {
        editor.dtTime->setTime(FromDateValue(SafeStrToTime(t.cell(c.time, row))).time());
        editor.cbAlarm->setChecked(t.cell(c.alarm, row) == QLatin1String("Yes"));
    } else {
        editor.setTimeVisible(false);
    }
    editor.setCategory(t.cell(c.category, row));
    editor.cbDone->setChecked(t.cell(c.done, row) == QLatin1String("Yes"));
    if (editor.cbDone->isChecked()) editor.setTimeVisible(false);
    editor.setNotes(notes);
    editor.lblTitle->setText(dayList ? dateText + QLatin1Char(' ') + RelativeDayText(day)
                                     : QStringLiteral("To-do Tasks"));
    editor.openOnCompletion = (mode == 0);
    editor.dateTaskFlag = dayList;
    editor.selectedDay = day;

    if (editor.exec() == QDialog::Accepted) {
        const QString time =
            FormatDateTime(QStringLiteral("t"), QDateTime(QDate(1899, 12, 30), editor.dtTime->time()));
        if (dayList && editor.taskDate.isValid() && editor.taskDate != day) {
            // Rescheduled: the task leaves this day and takes the next free sequence there.
            deleteEntry(true, true, true, day);
            GridTable& s = m_store->gridStore;
            const int target = DayNumber(editor.taskDate);
            const int seq = m_store->FindNextStoreFraction(target);
            s.insertRows(1, 1);
            s.setCell(0, 1, QString::asprintf("%d.%d", target, seq));
            s.setCell(1, 1, time);
            s.setCell(2, 1, editor.cbCategory->currentText());
            s.setCell(3, 1, editor.notesWithLineEnds());
            s.setCell(4, 1, BoolToYesNo(editor.cbDone->isChecked()));
            s.setCell(5, 1, BoolToYesNo(editor.cbAlarm->isChecked()));
            m_store->SortGridStore();
            ColorAllCalendars(true);
        } else {
            t.setCell(c.category, row, editor.cbCategory->currentText());
            t.setCell(c.notes, row, editor.notesWithLineEnds());
            t.setCell(c.done, row, BoolToYesNo(editor.cbDone->isChecked()));
            if (dayList) {
                t.setCell(c.time, row, time);
                t.setCell(c.alarm, row, BoolToYesNo(editor.cbAlarm->isChecked()));
                m_store->writeToStore(DayNumber(day));
                gridDay->sync();
            } else {
                gridNondayView->sync();
                saveTodoList();
            }
        }
        DrawExtraMemo();
    }
    list->setFocus();
}

void TfrmMain::btDelClick(bool dayList) {
    GridView* list = dayList ? gridDay : gridNondayView;
    GridTable& t = dayList ? m_store->gridDay : m_gridNonday;
    const Columns& c = dayList ? kDay : kTodo;
    const int row = list->currentRow();
    if (t.cell(c.notes, row).isEmpty() && t.cell(c.category, row).isEmpty()) {
        ShowErrorMessage(QStringLiteral("There is nothing selected to delete."));
        return;
    }
    bool go = true;
    if (Options().confirm) {
        go = Platform::dialogs().question(
            QStringLiteral("Confirm"), QStringLiteral("Really delete \"") + first50(t.cell(c.notes, row)) +
                                           QStringLiteral(" ... \"?"));
    }
    if (go) deleteEntry(dayList, dayList, false, selectedDate());
    if (!dayList) saveTodoList();
}

void TfrmMain::deleteEntry(bool dayList, bool writeBack, bool moving, const QDate& date) {
    GridView* list = dayList ? gridDay : gridNondayView;
    GridTable& t = dayList ? m_store->gridDay : m_gridNonday;
    const int row = list->currentRow();
    int count = 0;
    QString category, notes, done;
    auto removeOrEmpty = [](GridTable& table, int r) {
        if (table.rowCount() <= 2) {
            for (int col = 0; col < table.colCount(); ++col) table.setCell(col, r, QString());
        } else {
            table.removeRows(r, 1);
        }
    };
    GridTable& s = m_store->gridStore;
    const int dayNumber = DayNumber(date);
    auto isRepeat = [&](int r) {
        return RowDayNumber(s, r) > dayNumber && s.cell(2, r) == category && s.cell(3, r) == notes &&
               s.cell(4, r) == done;
    };
    if (dayList) {
        category = t.cell(kDay.category, row);
        notes = t.cell(kDay.notes, row);
        done = t.cell(kDay.done, row);
        removeOrEmpty(t, row);
        if (!moving) {
            for (int r = 1; r < s.rowCount(); ++r)
                if (isRepeat(r)) ++count;
            if (count > 0) {
                const bool yes = Platform::dialogs().question(
                    QStringLiteral("Delete all repeats?"),
                    QStringLiteral("This event appears to be repeated %1 times in the future.  Delete all repeats?")
                        .arg(count));
                if (!yes) count = 0;
            }
        }
    } else {
        removeOrEmpty(t, row);
    }
    if (count > 0) {
        for (int r = s.rowCount() - 1; r >= 1; --r) {
            if (!isRepeat(r)) continue;
            removeOrEmpty(s, r);
        }
    }
    if (writeBack) {
        m_store->writeToStore(dayNumber);
        ColorAllCalendars(false);
    }
    gridDay->sync();
    gridNondayView->sync();
    relayLists();
    UpdateLabels(m_current);
    if (count > 0) ColorAllCalendars(true);
    DrawExtraMemo();
}

void TfrmMain::Clone1Click(bool dayList) {
    (dayList ? gridDay : gridNondayView)->setFocus();
    CloneEntry();
}

void TfrmMain::CloneEntry() {
    const bool dayList = !hasFocusIn(gridNondayView);
    GridView* list = dayList ? gridDay : gridNondayView;
    GridTable& t = dayList ? m_store->gridDay : m_gridNonday;
    const int row = list->currentRow();
    if (t.cell(0, row).isEmpty()) {
        ShowErrorMessage(QStringLiteral("There is nothing selected to clone."));
        return;
    }
    t.insertRows(row, 1);
    for (int col = 0; col < t.colCount(); ++col) t.setCell(col, row, t.cell(col, row + 1));
    if (dayList) m_store->writeToStore(DayNumber(selectedDate()));
    list->sync();
    list->setCurrentRow(row);
    list->setFocus();
    relayLists();
    UpdateLabels(m_current);
    ColorAllCalendars(false);
}

void TfrmMain::ToolButton15Click() {
    GridTable& t = m_store->gridDay;
    const int row = gridDay->currentRow();
    if (t.cell(0, row).isEmpty()) return;
    t.setCell(4, row, t.cell(4, row) == QLatin1String("Yes") ? QStringLiteral("No") : QStringLiteral("Yes"));
    m_store->writeToStore(DayNumber(selectedDate()));
    gridDay->sync();
}

void TfrmMain::CompletedTasks1Click() {
    if (m_frmComplete) m_frmComplete->showModally();
}

// The notes pane shows the current row's notes, on grey for a done task.
void TfrmMain::DrawExtraMemo() {
    const GridTable& t = m_store->gridDay;
    const int row = gridDay->currentRow();
    const QString notes = t.cell(kDay.notes, row);
    const QStringList lines = TextToLines(notes);
    if (memWhat->toPlainText() != lines.join(QLatin1Char('\n'))) memWhat->setHtml(notesWithLinks(lines));
    memWhat->setVisible(!notes.isEmpty());
    QPalette p = memWhat->palette();
    p.setColor(QPalette::Base, t.cell(kDay.done, row) == QLatin1String("Yes") ? palette().color(QPalette::Button)
                                                                            : QColor(248, 251, 201));
    memWhat->setPalette(p);
}

void TfrmMain::memWhatExit() {
    GridTable& t = m_store->gridDay;
    const int row = gridDay->currentRow();
    QString text;
    const QString plain = memWhat->toPlainText();
    if (!plain.isEmpty())
        for (const QString& line : plain.split(QLatin1Char('\n'))) text += line + QStringLiteral("\r\n");
    t.setCell(kDay.notes, row, text);
    m_store->writeToStore(DayNumber(selectedDate()));
    gridDay->sync();
}

// Only the list with the focus shows its selected row highlighted.
void TfrmMain::gridDayEnter(GridView* list) {
    GridView* other = list == gridDay ? gridNondayView : gridDay;
    QPalette on = list->palette();
    on.setColor(QPalette::Highlight, palette().color(QPalette::Highlight));
    on.setColor(QPalette::HighlightedText, palette().color(QPalette::HighlightedText));
    list->setPalette(on);
    QPalette off = other->palette();
    off.setColor(QPalette::Highlight, palette().color(QPalette::Base));
    off.setColor(QPalette::HighlightedText, palette().color(QPalette::Text));
    off.setColor(QPalette::Inactive, QPalette::Highlight, palette().color(QPalette::Base));
    off.setColor(QPalette::Inactive, QPalette::HighlightedText, palette().color(QPalette::Text));
    other->setPalette(off);
}

void TfrmMain::sortList(GridView* list, int column) {
    const bool day = list == gridDay;
    int& sortColumn = day ? m_daySortColumn : m_todoSortColumn;
    Qt::SortOrder& order = day ? m_daySortOrder : m_todoSortOrder;
    // A first click on a heading sorts ascending, the next click on it reverses.
    const bool again = list->horizontalHeader()->isSortIndicatorShown() && sortColumn == column;
    order = (again && order == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
    sortColumn = column;
    SortGridTable(list->gridModel()->table(), column, order, [day](int col, const QString& a, const QString& b) {
        return day && col == 0 ? CompareTime(a, b) : CompareAuto(a, b);
    });
    list->horizontalHeader()->setSortIndicatorShown(true);
    list->horizontalHeader()->setSortIndicator(column, order);
    list->sync();
    if (day) DrawExtraMemo();
}

void TfrmMain::Print3Click() {
    ReadFontSettings();
    QFont font = m_printFont;
    if (!Platform::dialogs().font(font)) return;
    m_printFont = font;
    SaveFontSettings();
    PrintLayout layout;
    layout.title = lblDate->text();
    layout.cellFont = font;
    layout.repeatHeading = true;
    layout.strikeOutColumn = Options().strikeOut ? kDay.done : -1;
    PrintGrid(m_store->gridDay, layout);
}

void TfrmMain::Print2Click() {
    ReadFontSettings();
    QFont font = m_printFont;
    if (!Platform::dialogs().font(font)) return;
    m_printFont = font;
    SaveFontSettings();
    PrintLayout layout;
    layout.title = QStringLiteral("To-do Tasks");
    layout.cellFont = font;
    layout.toDoSizes = true;
    layout.repeatHeading = false;
    layout.strikeOutColumn = Options().strikeOut ? kTodo.done : -1;
    PrintGrid(m_gridNonday, layout);
}

void TfrmMain::exportList(bool html, bool dayListActive) {
    const GridTable& t = dayListActive ? m_store->gridDay : m_gridNonday;
    const QString path =
        html ? Platform::dialogs().saveFile(QStringLiteral("Save as an HTML file"), appFile("tasks.htm"),
                                            QStringLiteral("HTM files (*.htm);;All files (*.*)"))
             : Platform::dialogs().saveFile(QStringLiteral("Save as comma-delimited"), appFile("tasks.txt"),
                                            QStringLiteral("Text files (*.txt);;Comma Separated (*.csv);;All files (*.*)"));
    if (path.isEmpty()) return;
    if (html)
        WriteGridHtml(t, path);
    else
        WriteGridCsv(t, path);
}
