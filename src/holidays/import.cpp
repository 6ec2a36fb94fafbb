#include "holidays/import.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <QVBoxLayout>

#include <algorithm>

#include "app/application.h"
#include "common/basic.h"
#include "common/calvoraerror.h"
#include "holidays/holidaylists.h"
#include "holidays/holidayrules.h"

namespace {

// Tab stops of the entry list, in dialog units (a quarter of the average character width).
constexpr int kTabWidth = 60;

// Draws an item's text with the list's tab stops, so the names line up.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(const QFontMetrics& metrics, QObject* parent) : QStyledItemDelegate(parent) {
        // At least the widest date text of all lists, so one stop serves every entry.
        m_stop = kTabWidth * metrics.averageCharWidth() / 4.0;
        for (const HolidayStructure& h : kHolidayList)
            m_stop = std::max(m_stop, qreal(metrics.horizontalAdvance(HolidayCodeText(QLatin1String(h.code))) +
                                            2 * metrics.averageCharWidth()));
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        const QWidget* widget = opt.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
        const QRect rect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget).adjusted(2, 0, -2, 0);
        QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
        textOption.setTabStopDistance(m_stop);
        textOption.setWrapMode(QTextOption::NoWrap);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(
            opt.palette.color(opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled,
                              opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(rect, text, textOption);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        const QString text = index.data().toString();
        const int tab = int(text.indexOf(QLatin1Char('\t')));
        if (tab >= 0) {
            const int lead = int((option.fontMetrics.horizontalAdvance(text.left(tab)) / m_stop + 1) * m_stop);
            size.setWidth(lead + option.fontMetrics.horizontalAdvance(text.mid(tab + 1)) + 8);
        }
        return size;
    }

private:
    qreal m_stop;
};

}  // namespace

TfrmImport::TfrmImport(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmImport"));
    setWindowTitle(QStringLiteral("Import International Holidays"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    InitHolidayTable(m_table);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* lists = new QHBoxLayout();
    lbCountries = new QListWidget(this);
    lbCountries->setObjectName(QStringLiteral("lbCountries"));
    for (const char* country : kHolidayCountries)
        lbCountries->addItem(QString::fromUtf8(country));
    lbCountries->setFixedSize(150, 360);
    lbDays = new QListWidget(this);
    lbDays->setObjectName(QStringLiteral("lbDays"));
    lbDays->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lbDays->setItemDelegate(new TabStopDelegate(lbDays->fontMetrics(), lbDays));
    lbDays->setFixedSize(430, 360);
    lists->addWidget(lbCountries);
    lists->addWidget(lbDays);
    layout->addLayout(lists);

    auto* bottom = new QHBoxLayout();
    lblHint = new QLabel(QStringLiteral("Hint: Drag mouse or Ctrl-Click to select multiple entries"), this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    bottom->addWidget(lblHint, 1);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Close"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    btCancel->setAutoDefault(false);
    bottom->addWidget(btOK);
    bottom->addWidget(btCancel);
    layout->addLayout(bottom);

    connect(btOK, &QPushButton::clicked, this, &TfrmImport::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(lbCountries, &QListWidget::currentRowChanged, this, &TfrmImport::lbCountriesClick);
}

void TfrmImport::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmImport::FormShow() {
    {
        const QSignalBlocker block(lbCountries);
        lbCountries->setCurrentRow(0);
    }
    lbCountriesClick();
    try {
        LoadHolidayTable(m_table);
    } catch (const CalvoraError& e) {
        ShowStandardError(e.message());
    }
    lbCountries->setFocus();
}

void TfrmImport::lbCountriesClick() {
    lbDays->clear();
    lbDays->addItems(HolidayItemsOfCountry(lbCountries->currentRow()));
}

void TfrmImport::btOKClick() {
    if (lbDays->selectedItems().isEmpty()) {
        ShowErrorMessage(QStringLiteral("Nothing selected!  Click on holiday(s) above to select."));
        return;
    }
    const GridTable before = m_table;
    // Each goes in before the first data row, so the last one chosen ends up first.
    for (int i = 0; i < lbDays->count(); ++i) {
        if (!lbDays->item(i)->isSelected())
            continue;
        m_table.insertRows(1, 1);
        FillHolidayRowFromItem(m_table, 1, lbDays->item(i)->text());
    }
    try {
        SaveHolidayTable(m_table);
    } catch (const CalvoraError& e) {
        ShowStandardError(e.message());
        m_table = before;
        return;
    }
    accept();
}
