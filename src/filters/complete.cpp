#include "common/menus.h"
#include "filters/complete.h"

#include <QAction>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

#include "app/application.h"
#include "app/gridview.h"
#include "common/basic.h"
#include "common/calvoraerror.h"
#include "common/formatsettings.h"
#include "common/platform.h"
#include "common/routines.h"
#include "data/gridsort.h"
#include "data/gridtable.h"
#include "filters/completedlog.h"
#include "output/print.h"
#include "output/printgrid.h"
#include "settings/programoptions.h"

namespace {

constexpr int kRowHeight = 28;
constexpr int kFixedWidths[] = {70, 62, 58, 128};
// The frame a dialog border takes, counted once as the column rule always has.
constexpr int kDialogFrame = 3;
constexpr int kRowSelectorWidth = 10;


// Completion dates are short dates; original dates are "ddd ddddd" (weekday first) or
// a phrase for a to-do.
bool readLogDate(const QString& text, QDate& date) {
    const FormatSettings& fs = ProcessFormatSettings();
    if (TryStrToDate(text, date, fs))
        return true;
    const int blank = int(text.indexOf(QLatin1Char(' ')));
    return blank > 0 && TryStrToDate(text.mid(blank + 1), date, fs);
}

// Readable dates first, in date order; other texts after them, by character code.
int compareDates(const QString& a, const QString& b) {
    QDate da;
    QDate db;
    const bool okA = readLogDate(a, da);
    const bool okB = readLogDate(b, db);
    if (okA && okB)
        return da < db ? -1 : (db < da ? 1 : 0);
    if (okA != okB)
        return okA ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// The editors show lines; the log keeps every line followed by CR LF.
QString linesToNotes(const QString& plain) {
    QString text;
    if (!plain.isEmpty())
        for (const QString& line : plain.split(QLatin1Char('\n')))
            text += line + QStringLiteral("\r\n");
    return text;
}

QString notesToLines(const QString& text) {
    return TextToLines(text).join(QLatin1Char('\n'));
}

QPlainTextEdit* notesEditor(const QString& name, QWidget* parent) {
    auto* editor = new QPlainTextEdit(parent);
    editor->setObjectName(name);
    editor->setTabChangesFocus(true);
    return editor;
}

}  // namespace

TfrmComplete::TfrmComplete(CompletedLog& log, QWidget* parent) : QDialog(parent), m_log(log) {
    setObjectName(QStringLiteral("frmComplete"));
    setWindowTitle(QStringLiteral("Completed Tasks"));
    resize(780, 520);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);

    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    layout->setMenuBar(MainMenu1);
    File1 = MainMenu1->addMenu(QStringLiteral("&File"));
    File1->setObjectName(QStringLiteral("File1"));
    Print1 = MenuItem(File1, QStringLiteral("Print1"), QStringLiteral("Print"));
    Export1 = File1->addMenu(QStringLiteral("Export"));
    Export1->setObjectName(QStringLiteral("Export1"));
    HTMLFormat1 = MenuItem(Export1, QStringLiteral("HTMLFormat1"), QStringLiteral("HTML Format"));
    CommaDelimited1 = MenuItem(Export1, QStringLiteral("CommaDelimited1"), QStringLiteral("Comma-Delimited"));
    File1->addSeparator();
    Deleterow1 = MenuItem(File1, QStringLiteral("Deleterow1"), QStringLiteral("Delete row"),
                          QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Clearallrows1 = MenuItem(File1, QStringLiteral("Clearallrows1"), QStringLiteral("Clear all rows"),
                             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Delete));
    File1->addSeparator();
    Close1 = MenuItem(File1, QStringLiteral("Close1"), QStringLiteral("Close"));
    // Shortcuts work while the menu is closed.
    addActions({Deleterow1, Clearallrows1});

    connect(Print1, &QAction::triggered, this, &TfrmComplete::Print1Click);
    connect(HTMLFormat1, &QAction::triggered, this, &TfrmComplete::HTMLFormat1Click);
    connect(CommaDelimited1, &QAction::triggered, this, &TfrmComplete::CommaDelimited1Click);
    connect(Deleterow1, &QAction::triggered, this, &TfrmComplete::Deleterow1Click);
    connect(Clearallrows1, &QAction::triggered, this, &TfrmComplete::Clearallrows1Click);
    connect(Close1, &QAction::triggered, this, &TfrmComplete::Close1Click);

    lblTitle = new QLabel(QStringLiteral("Completed Tasks"), this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    lblTitle->setFont(titleFont);
    lblTitle->setContentsMargins(4, 2, 4, 4);
    layout->addWidget(lblTitle);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->setObjectName(QStringLiteral("Splitter1"));
    split->setChildrenCollapsible(false);
    layout->addWidget(split, 1);

    gridComp = new GridView(m_log.table(), QStringLiteral("gridComp"), split);
    gridComp->setShowGrid(true);
    // A slim row selector lets rows be resized by dragging, as columns are on the heading.
    gridComp->verticalHeader()->show();
    gridComp->verticalHeader()->setFixedWidth(kRowSelectorWidth);
    gridComp->verticalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    gridComp->verticalHeader()->setDefaultSectionSize(kRowHeight);
    gridComp->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    gridComp->horizontalHeader()->setSectionsClickable(true);
    gridComp->setContextMenuPolicy(Qt::ActionsContextMenu);
    gridComp->addAction(Deleterow1);
    split->addWidget(gridComp);

    auto* notes = new QWidget(split);
    notes->setObjectName(QStringLiteral("pnlNotes"));
    auto* notesLayout = new QHBoxLayout(notes);
    notesLayout->setContentsMargins(0, 4, 0, 0);
    auto* whatColumn = new QVBoxLayout();
    lblWhat = new QLabel(QStringLiteral("WHAT"), notes);
    lblWhat->setObjectName(QStringLiteral("lblWhat"));
    memWhat = notesEditor(QStringLiteral("memWhat"), notes);
    lblWhat->setBuddy(memWhat);
    whatColumn->addWidget(lblWhat);
    whatColumn->addWidget(memWhat, 1);
    auto* compColumn = new QVBoxLayout();
    lblCompNotes = new QLabel(QStringLiteral("COMPLETION NOTES"), notes);
    lblCompNotes->setObjectName(QStringLiteral("lblCompNotes"));
    memCompNotes = notesEditor(QStringLiteral("memCompNotes"), notes);
    lblCompNotes->setBuddy(memCompNotes);
    compColumn->addWidget(lblCompNotes);
    compColumn->addWidget(memCompNotes, 1);
    notesLayout->addLayout(whatColumn, 1);
    notesLayout->addLayout(compColumn, 1);
    split->addWidget(notes);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    split->setSizes({330, 130});

    memWhat->installEventFilter(this);
    memCompNotes->installEventFilter(this);
    gridComp->installEventFilter(this);
    connect(gridComp->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &TfrmComplete::showCurrentRow);
    connect(gridComp->horizontalHeader(), &QHeaderView::sectionClicked, this, &TfrmComplete::sortByColumn);
    connect(gridComp->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (m_log.table().colWidth(column) != size)
            m_log.table().setColWidth(column, size);
    });

    try {
        m_log.load();
    } catch (const CalvoraError& e) {
        ShowStandardError(e.message());
    }
    refresh();
}

void TfrmComplete::showModally() {
    refresh();
    exec();
}

void TfrmComplete::refresh() {
    gridComp->sync();
    ResizeGrid();
    if (!gridComp->currentIndex().isValid())
        gridComp->setCurrentRow(1);
    showCurrentRow();
}

void TfrmComplete::ResizeGrid() {
    int rest = gridComp->width() - gridComp->verticalHeader()->width();
    for (int c = 0; c < 4; ++c) {
        rest -= kFixedWidths[c];
        gridComp->setColumnWidth(c, kFixedWidths[c]);
    }
    const bool allRowsVisible = gridComp->verticalHeader()->length() <= gridComp->viewport()->height();
    if (!allRowsVisible)
        rest -= style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, gridComp);
    rest -= kDialogFrame + 6;
    const int half = std::max(0, rest) / 2;
    gridComp->setColumnWidth(CompletedLog::What, half);
    gridComp->setColumnWidth(CompletedLog::CompNotes, half);
}

void TfrmComplete::showCurrentRow() {
    const GridTable& table = m_log.table();
    const int row = gridComp->currentRow();
    memWhat->setPlainText(notesToLines(table.cell(CompletedLog::What, row)));
    memCompNotes->setPlainText(notesToLines(table.cell(CompletedLog::CompNotes, row)));
}

// Both editors go back into the current row once either has been changed.
void TfrmComplete::memExit() {
    if (!memWhat->document()->isModified() && !memCompNotes->document()->isModified())
        return;
    m_log.setNotes(gridComp->currentRow(), linesToNotes(memWhat->toPlainText()),
                   linesToNotes(memCompNotes->toPlainText()));
    memWhat->document()->setModified(false);
    memCompNotes->document()->setModified(false);
    gridComp->sync();
}

bool TfrmComplete::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && (watched == memWhat || watched == memCompNotes))
        memExit();
    else if (event->type() == QEvent::Resize && watched == gridComp)
        ResizeGrid();
    return QDialog::eventFilter(watched, event);
}

void TfrmComplete::sortByColumn(int column) {
    memExit();
    m_sortOrder =
        (m_sortColumn == column && m_sortOrder == Qt::AscendingOrder) ? Qt::DescendingOrder : Qt::AscendingOrder;
    m_sortColumn = column;
    SortGridTable(m_log.table(), column, m_sortOrder, [](int col, const QString& a, const QString& b) {
        return col == CompletedLog::CompDate || col == CompletedLog::OrigDate ? compareDates(a, b) : CompareAuto(a, b);
    });
    gridComp->horizontalHeader()->setSortIndicatorShown(true);
    gridComp->horizontalHeader()->setSortIndicator(column, m_sortOrder);
    gridComp->sync();
    showCurrentRow();
}

void TfrmComplete::Print1Click() {
    memExit();
    PrintLayout layout;
    layout.title = QStringLiteral("Completed Tasks");
    layout.cellFont = gridComp->font();
    layout.repeatHeading = true;
    PrintGrid(m_log.table(), layout);
}

void TfrmComplete::exportTo(bool html) {
    memExit();
    const QString extension = html ? QStringLiteral(".htm") : QStringLiteral(".txt");
    QString path = html ? Platform::dialogs().saveFile(QStringLiteral("Save as an HTML file"),
                                                       JoinPath(Platform::appFolder(), QStringLiteral("output.htm")),
                                                       QStringLiteral("HTM files (*.htm);;All files (*.*)"))
                        : Platform::dialogs().saveFile(
                              QStringLiteral("Save as comma-delimited"),
                              JoinPath(Platform::appFolder(), QStringLiteral("output.txt")),
                              QStringLiteral("Text files (*.txt);;Comma Separated (*.csv);;All files (*.*)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += extension;
    try {
        if (html)
            WriteGridHtml(m_log.table(), path);
        else
            WriteGridCsv(m_log.table(), path);
    } catch (const CalvoraError& e) {
        ShowErrorMessage(e.message());
    }
}

void TfrmComplete::HTMLFormat1Click() {
    exportTo(true);
}

void TfrmComplete::CommaDelimited1Click() {
    exportTo(false);
}

void TfrmComplete::Deleterow1Click() {
    memExit();
    if (Options().confirm && !Platform::dialogs().question(QStringLiteral("Confirm"), QStringLiteral("Really delete?")))
        return;
    m_log.deleteRow(gridComp->currentRow());
    gridComp->sync();
    showCurrentRow();
}

void TfrmComplete::Clearallrows1Click() {
    memExit();
    if (!Platform::dialogs().question(QStringLiteral("Confirm"),
                                      QStringLiteral("Really clear out ALL completed tasks?")))
        return;
    m_log.clearAll();
    gridComp->sync();
    gridComp->setCurrentRow(1);
    showCurrentRow();
}

void TfrmComplete::Close1Click() {
    close();
}

void TfrmComplete::done(int result) {
    memExit();
    try {
        m_log.save();
    } catch (const CalvoraError& e) {
        ShowStandardError(e.message());
    }
    QDialog::done(result);
}
