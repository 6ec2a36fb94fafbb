#include "filters/filter.h"
#include "common/menus.h"

#include "settings/formstate.h"
#include "settings/layoutmemory.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <QShowEvent>
#include <QVBoxLayout>

#include <algorithm>

#include "app/taskfilter.h"
#include "common/basic.h"
#include "common/platform.h"
#include "filters/categoryfilter.h"
#include "settings/settingsstore.h"

namespace {

// The window's place and size live in the program key itself, not in a subkey.

const QColor kFiltersOnPanel(248, 252, 201);

// A check list whose items flow down two columns of half its width each.
class TwoColumnList : public QListWidget {
public:
    explicit TwoColumnList(QWidget* parent) : QListWidget(parent) {
        setFlow(QListView::TopToBottom);
        setWrapping(true);
        setResizeMode(QListView::Adjust);
        setUniformItemSizes(true);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QListWidget::resizeEvent(event);
        const int row = fontMetrics().height() + 6;
        setGridSize(QSize(std::max(1, viewport()->width() / 2), row));
    }
};

}  // namespace

FilterPanel::FilterPanel(const QString& caption, QWidget* parent) : QFrame(parent), m_caption(caption) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(1);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void FilterPanel::setLook(const QColor& back, const QColor& text, const QFont& font) {
    QPalette p = palette();
    p.setColor(QPalette::Window, back);
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
    setFont(font);
    updateGeometry();
    update();
}

QSize FilterPanel::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(QString(m_caption).remove(QLatin1Char('&'))) + 24, fm.height() + 10};
}

void FilterPanel::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextShowMnemonic, m_caption);
}

void FilterPanel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit clicked();
        event->accept();
        return;
    }
    QFrame::mousePressEvent(event);
}

TfrmFilter::TfrmFilter(TaskFilter& filter, QWidget* parent) : QDialog(parent), m_filter(filter) {
    setObjectName(QStringLiteral("frmFilter"));
    setWindowTitle(QStringLiteral("Task Filters"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    lblTitle->setFont(titleFont);
    QPalette titlePalette = lblTitle->palette();
    titlePalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblTitle->setPalette(titlePalette);
    lblTitle->setContentsMargins(4, 2, 4, 4);

    cbNotDone = new QCheckBox(QStringLiteral("       &Not done items"), this);
    cbNotDone->setObjectName(QStringLiteral("cbNotDone"));
    cbDone = new QCheckBox(QStringLiteral("     &Done "), this);
    cbDone->setObjectName(QStringLiteral("cbDone"));
    pnlNotDone = new FilterPanel(QStringLiteral("&Not Done Items"), this);
    pnlNotDone->setObjectName(QStringLiteral("pnlNotDone"));
    pnlDone = new FilterPanel(QStringLiteral("&Done Items"), this);
    pnlDone->setObjectName(QStringLiteral("pnlDone"));
    QFont panelFont = font();
    panelFont.setBold(true);
    pnlNotDone->setLook(QColor(255, 0, 0), QColor(255, 255, 255), panelFont);
    pnlDone->setLook(QColor(0, 255, 255), QColor(0, 0, 0), panelFont);

    cbWhat = new TwoColumnList(this);
    cbWhat->setObjectName(QStringLiteral("cbWhat"));
    lblCategories = new QLabel(QStringLiteral("&Categories"), this);
    lblCategories->setObjectName(QStringLiteral("lblCategories"));
    lblCategories->setBuddy(cbWhat);

    btAll = PushButton(this, QStringLiteral("btAll"), QStringLiteral("&All"), QStringLiteral("Select all categories"));
    btNone =
        PushButton(this, QStringLiteral("btNone"), QStringLiteral("&None"), QStringLiteral("Clear all categories"));
    btFiltersOff = PushButton(this, QStringLiteral("btFiltersOff"), QStringLiteral("&Filters off"));
    btOK = PushButton(this, QStringLiteral("btOK"), QStringLiteral("OK"));
    btOK->setDefault(true);
    btHelp = PushButton(this, QStringLiteral("btHelp"), QStringLiteral("&Help"));
    // No help window exists yet.
    btHelp->hide();

    auto* switches = new QGridLayout();
    switches->setHorizontalSpacing(12);
    switches->addWidget(cbNotDone, 0, 0);
    switches->addWidget(pnlNotDone, 0, 1);
    switches->addWidget(cbDone, 1, 0);
    switches->addWidget(pnlDone, 1, 1);
    switches->setColumnStretch(2, 1);

    auto* buttons = new QVBoxLayout();
    buttons->addWidget(btAll);
    buttons->addWidget(btNone);
    buttons->addSpacing(8);
    buttons->addWidget(btFiltersOff);
    buttons->addStretch(1);
    buttons->addWidget(btOK);
    buttons->addWidget(btHelp);

    auto* categories = new QHBoxLayout();
    categories->addWidget(cbWhat, 1);
    categories->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 8);
    layout->addWidget(lblTitle);
    layout->addLayout(switches);
    layout->addSpacing(4);
    layout->addWidget(lblCategories);
    layout->addLayout(categories, 1);

    connect(cbNotDone, &QCheckBox::toggled, this, [this](bool on) {
        if (m_showing)
            return;
        m_filter.notDoneShown = on;
        UpdateTitle();
    });
    connect(cbDone, &QCheckBox::toggled, this, [this](bool on) {
        if (m_showing)
            return;
        m_filter.doneShown = on;
        UpdateTitle();
    });
    connect(cbWhat, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (!m_showing)
            categoryChanged(cbWhat->row(item), item->checkState() == Qt::Checked);
    });
    connect(pnlNotDone, &FilterPanel::clicked, this, &TfrmFilter::pnlNotDoneClick);
    connect(pnlDone, &FilterPanel::clicked, this, &TfrmFilter::pnlDoneClick);
    connect(btAll, &QPushButton::clicked, this, &TfrmFilter::btAllClick);
    connect(btNone, &QPushButton::clicked, this, &TfrmFilter::btNoneClick);
    connect(btFiltersOff, &QPushButton::clicked, this, &TfrmFilter::btFiltersOffClick);
    connect(btOK, &QPushButton::clicked, this, &TfrmFilter::btOKClick);

    RestoreFormState(this, FilterFormState());

    m_filter.loadAtStart(Platform::appFolder());
    showFilter();
}

TfrmFilter::~TfrmFilter() {
    SaveFormState(this, FilterFormState());
}

int TfrmFilter::showModally() {
    return exec();
}

void TfrmFilter::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmFilter::FormShow() {
    TickCategoriesForShowing(m_filter, Platform::appFolder());
    showFilter();
}

void TfrmFilter::showFilter() {
    m_showing = true;
    cbNotDone->setChecked(m_filter.notDoneShown);
    cbDone->setChecked(m_filter.doneShown);
    const int current = cbWhat->currentRow();
    bool sameNames = cbWhat->count() == m_filter.categories.size();
    for (int i = 0; sameNames && i < cbWhat->count(); ++i)
        sameNames = cbWhat->item(i)->text() == m_filter.categories.at(i).name;
    if (!sameNames) {
        cbWhat->clear();
        for (const TaskFilter::Category& c : m_filter.categories) {
            auto* item = new QListWidgetItem(c.name, cbWhat);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        }
        if (current >= 0 && current < cbWhat->count())
            cbWhat->setCurrentRow(current);
    }
    for (int i = 0; i < cbWhat->count(); ++i)
        cbWhat->item(i)->setCheckState(m_filter.categories.at(i).ticked ? Qt::Checked : Qt::Unchecked);
    m_showing = false;
    UpdateTitle();
}

void TfrmFilter::categoryChanged(int row, bool ticked) {
    if (row < 0 || row >= m_filter.categories.size())
        return;
    m_filter.categories[row].ticked = ticked;
    UpdateTitle();
}

void TfrmFilter::UpdateTitle() {
    lblTitle->setText(m_filter.isActive() ? QStringLiteral("Task Filters : On") : QStringLiteral("Task Filters : Off"));
}

void TfrmFilter::btAllClick() {
    SetAllCategoriesTicked(m_filter, true);
    showFilter();
}

void TfrmFilter::btNoneClick() {
    SetAllCategoriesTicked(m_filter, false);
    showFilter();
}

void TfrmFilter::pnlNotDoneClick() {
    cbNotDone->toggle();
}

void TfrmFilter::pnlDoneClick() {
    cbDone->toggle();
}

void TfrmFilter::btFiltersOffClick() {
    m_filter.notDoneShown = true;
    m_filter.doneShown = true;
    SetAllCategoriesTicked(m_filter, true);
    showFilter();
    btOKClick();
}

void TfrmFilter::btOKClick() {
    WriteSelectedCategories(m_filter, Platform::appFolder());
    emit filterApplied();
    if (!m_filter.doneShown && !m_filter.notDoneShown)
        ShowErrorMessage(
            QStringLiteral("By un-checking both DONE and NOTDONE items you have effectively eliminated ALL tasks from "
                           "appearing on the calendar.  New events will seem to disappear!"));
    accept();
}

void TfrmFilter::done(int result) {
    WriteFilterSwitches(m_filter);
    QDialog::done(result);
}

void TfrmFilter::UpdateFilterList(const QStringList& list, const QStringList& deleted) {
    ::UpdateFilterList(m_filter, list, deleted, Platform::appFolder());
    showFilter();
}

void TfrmFilter::setNotDonePanel(const QColor& back, const QColor& text, const QFont& font) {
    pnlNotDone->setLook(back, text, font);
}

void TfrmFilter::setDonePanel(const QColor& back, const QColor& text, const QFont& font) {
    pnlDone->setLook(back, text, font);
}

FilterDisplay TfrmFilter::display(const TaskFilter* filter) {
    if (FilterActiveTest(filter))
        return {QStringLiteral("FILTERS ON"), 11, kFiltersOnPanel};
    return {QStringLiteral("Filters"), 10, QApplication::palette().color(QPalette::Button)};
}
