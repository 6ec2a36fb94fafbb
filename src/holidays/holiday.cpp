#include "holidays/holiday.h"
#include "common/menus.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "app/application.h"
#include "app/gridview.h"
#include "common/basic.h"
#include "common/calvoraerror.h"
#include "common/formatsettings.h"
#include "common/platform.h"
#include "holidays/edHoliday.h"
#include "holidays/holidayrules.h"
#include "holidays/import.h"
#include "output/printgrid.h"
#include "settings/programoptions.h"

namespace {

constexpr int kHelpTopic = 300;
constexpr int kGridHeight = 320;

QString ruleDisplayText(const QString& rule) {
    if (!IsOneTimeRule(rule))
        return rule;
    return FormatDateTime(QStringLiteral("ddddd"), DateFromYMDText(rule));
}

// Shows one-time rules as dates; the cell keeps its digits.
class RuleDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale&) const override {
        return ruleDisplayText(value.toString());
    }
};

}  // namespace

TfrmHoliday::TfrmHoliday(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmHoliday"));
    setWindowTitle(QStringLiteral("Holidays"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    InitHolidayTable(m_table);
    try {
        LoadHolidayTable(m_table);
    } catch (const CalvoraError& e) {
        ShowStandardError(e.message());
    }
    ensureDataRow();

    auto* layout = new QHBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    grid = new GridView(m_table, QStringLiteral("grid"), this);
    grid->setShowGrid(true);
    grid->setItemDelegateForColumn(HolRule, new RuleDelegate(grid));
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 8);
    grid->viewport()->installEventFilter(this);
    int width = 2 * grid->frameWidth() + grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    for (int c = 0; c < 4; ++c)
        width += m_table.colWidth(c);
    grid->setMinimumSize(width, kGridHeight);
    layout->addWidget(grid);

    auto* buttons = new QVBoxLayout();
    btAdd = PushButton(this, QStringLiteral("btAdd"), QStringLiteral("Add"));
    btEdit = PushButton(this, QStringLiteral("btEdit"), QStringLiteral("&Edit"));
    btDel = PushButton(this, QStringLiteral("btDel"), QStringLiteral("Del"));
    btClone = PushButton(this, QStringLiteral("btClone"), QStringLiteral("&Clone"));
    btImport = PushButton(this, QStringLiteral("btImport"), QStringLiteral("&International"));
    btImport->setToolTip(QStringLiteral("Import International holidays"));
    btPrint = PushButton(this, QStringLiteral("btPrint"), QStringLiteral("&Print"));
    btHelp = PushButton(this, QStringLiteral("btHelp"), QStringLiteral("&Help"));
    btClose = PushButton(this, QStringLiteral("btClose"), QStringLiteral("Close"));
    for (QPushButton* b : {btAdd, btEdit, btDel, btClone, btImport, btPrint})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(btHelp);
    buttons->addWidget(btClose);
    layout->addLayout(buttons);

    connect(btAdd, &QPushButton::clicked, this, &TfrmHoliday::btAddClick);
    connect(btEdit, &QPushButton::clicked, this, &TfrmHoliday::btEditClick);
    connect(btDel, &QPushButton::clicked, this, &TfrmHoliday::btDelClick);
    connect(btClone, &QPushButton::clicked, this, &TfrmHoliday::btCloneClick);
    connect(btImport, &QPushButton::clicked, this, &TfrmHoliday::btImportClick);
    connect(btPrint, &QPushButton::clicked, this, &TfrmHoliday::btPrintClick);
    connect(btHelp, &QPushButton::clicked, this, &TfrmHoliday::btHelpClick);
    btHelp->hide();  // until the program has its help pages
    connect(btClose, &QPushButton::clicked, this, &TfrmHoliday::btCloseClick);
    connect(grid, &QAbstractItemView::doubleClicked, this, &TfrmHoliday::btEditClick);
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (m_table.colWidth(column) != size)
            m_table.setColWidth(column, size);
    });

    // The dialog sees the keys of all its controls first.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);

    grid->sync();
    grid->setCurrentRow(1);
    grid->setFocus();
}

TfrmHoliday::~TfrmHoliday() {
    // The view goes before the table it shows.
    QWidget* view = grid;
    grid = nullptr;
    delete view;
}

void TfrmHoliday::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous() || !screen())
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

bool TfrmHoliday::execute() {
    return exec() == QDialog::Accepted;
}

QString TfrmHoliday::cellDisplayText(int col, int row) const {
    const QString& text = m_table.cell(col, row);
    return col == HolRule ? ruleDisplayText(text) : text;
}

void TfrmHoliday::ensureDataRow() {
    if (m_table.rowCount() < 2)
        m_table.setRowCount(2);
}

bool TfrmHoliday::save() {
    try {
        SaveHolidayTable(m_table);
        return true;
    } catch (const CalvoraError& e) {
        ShowStandardError(e.message());
        return false;
    }
}

void TfrmHoliday::reload() {
    try {
        LoadHolidayTable(m_table);
    } catch (const CalvoraError& e) {
        ShowStandardError(e.message());
    }
    ensureDataRow();
    grid->sync();
}

void TfrmHoliday::btAddClick() {
    TfrmEditHoliday editor(this);
    editor.newHoliday = true;
    if (editor.exec() != QDialog::Accepted)
        return;
    const int row = grid->currentRow();
    if (!m_table.cell(HolName, row).isEmpty())
        m_table.insertRows(row, 1);
    SetHolidayRow(m_table, row, editor.entry());
    grid->sync();
    grid->setCurrentRow(row);
}

void TfrmHoliday::btEditClick() {
    const int row = grid->currentRow();
    if (m_table.cell(HolName, row).isEmpty()) {
        ShowErrorMessage(QStringLiteral("Nothing to edit"));
        return;
    }
    TfrmEditHoliday editor(this);
    editor.presetFrom(HolidayEntryFromRow(m_table, row));
    if (editor.exec() != QDialog::Accepted)
        return;
    SetHolidayRow(m_table, row, editor.entry());
    grid->sync();
}

void TfrmHoliday::btDelClick() {
    const int row = grid->currentRow();
    if (Options().confirm &&
        !Platform::dialogs().question(QStringLiteral("Confirm"),
                                      QStringLiteral("Really delete \"%1\"?").arg(m_table.cell(HolName, row))))
        return;
    if (m_table.rowCount() < 3) {
        for (int c = 0; c < m_table.colCount(); ++c)
            m_table.setCell(c, row, QString());
    } else {
        m_table.removeRows(row, 1);
    }
    grid->sync();
}

void TfrmHoliday::btCloneClick() {
    const int row = grid->currentRow();
    const QString name = m_table.cell(HolName, row);
    if (name.isEmpty())
        return;
    if (!Platform::dialogs().question(QStringLiteral("Confirm"),
                                      QStringLiteral("Clone this holiday - \"%1\"?").arg(name)))
        return;
    const QList<QString> copy = m_table.rowCells(row);
    m_table.insertRows(row, 1);
    for (int c = 0; c < 4; ++c)
        m_table.setCell(c, row, copy.value(c));
    grid->sync();
    grid->setCurrentRow(row);
    save();
}

void TfrmHoliday::btImportClick() {
    if (!save())
        return;
    {
        TfrmImport import(this);
        import.exec();
    }
    reload();
}

void TfrmHoliday::btPrintClick() {
    PrintLayout layout;
    layout.title = QStringLiteral("Holidays");
    layout.cellFont = grid->font();
    PrintGrid(m_table, layout);
}

void TfrmHoliday::btHelpClick() {
    emit helpRequested(kHelpTopic);
}

void TfrmHoliday::btCloseClick() {
    if (save())
        accept();
}

void TfrmHoliday::gridDragDrop(int targetRow) {
    const int from = grid->currentRow();
    if (targetRow < 1 || targetRow >= m_table.rowCount() || targetRow == from)
        return;
    m_table.moveRow(from, targetRow);
    grid->sync();
    grid->setCurrentRow(targetRow);
}

void TfrmHoliday::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && m_dragging) {
        endDrag();
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        btCloseClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool TfrmHoliday::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!key->isAutoRepeat() && (key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete)) {
            if (key->key() == Qt::Key_Insert)
                btAddClick();
            else
                btDelClick();
            return true;
        }
    }
    if (grid && watched == grid->viewport() && viewportEvent(event))
        return true;
    return QDialog::eventFilter(watched, event);
}

// Rows are reordered by dragging one onto another, within the grid.
bool TfrmHoliday::viewportEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const int row = grid->rowAt(mouse->position().toPoint().y());
            endDrag();
            m_pressRow = mouse->button() == Qt::LeftButton && row >= 0 && m_table.rowCount() >= 2 ? row + 1 : 0;
            m_pressPos = mouse->position().toPoint();
            return false;
        }
        case QEvent::MouseButtonDblClick:
            endDrag();
            return false;
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (m_pressRow == 0 || !(mouse->buttons() & Qt::LeftButton))
                return false;
            const QPoint pos = mouse->position().toPoint();
            if (!m_dragging) {
                if ((pos - m_pressPos).manhattanLength() < QApplication::startDragDistance())
                    return true;
                m_dragging = true;
                grid->setCurrentRow(m_pressRow);
            }
            grid->viewport()->setCursor(grid->rowAt(pos.y()) >= 0 ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            const bool dropping = m_dragging && mouse->button() == Qt::LeftButton;
            endDrag();
            const int row = grid->rowAt(mouse->position().toPoint().y());
            if (dropping && row >= 0)
                gridDragDrop(row + 1);
            // The view ends its own press too.
            return false;
        }
        default:
            return false;
    }
}

void TfrmHoliday::endDrag() {
    if (m_dragging)
        grid->viewport()->unsetCursor();
    m_dragging = false;
    m_pressRow = 0;
}
