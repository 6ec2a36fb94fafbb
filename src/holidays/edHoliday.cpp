#include "holidays/edHoliday.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "common/basic.h"
#include "common/formatsettings.h"
#include "common/platform.h"
#include "common/routines.h"

namespace {

QComboBox* dropDownList(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(false);
    QSizePolicy policy = box->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    box->setSizePolicy(policy);
    return box;
}

QRadioButton* radio(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    return b;
}

// The locale's short date with a four-digit year, as the program shows dates.
QString dateEditFormat() {
    QString f = QLocale().dateFormat(QLocale::ShortFormat);
    if (!f.contains(QLatin1String("yyyy")))
        f.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return f;
}

}  // namespace

TfrmEditHoliday::TfrmEditHoliday(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEditHoliday"));
    setWindowTitle(QStringLiteral("Edit Holiday"));
    const FormatSettings& fs = ProcessFormatSettings();

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* nameRow = new QHBoxLayout();
    edName = new QLineEdit(this);
    edName->setObjectName(QStringLiteral("edName"));
    edName->setMaxLength(30);
    edName->setMinimumWidth(240);
    auto* nameLabel = new QLabel(QStringLiteral("&Holiday name"), this);
    nameLabel->setBuddy(edName);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(edName, 1);
    layout->addLayout(nameRow);

    rgType = new QGroupBox(QStringLiteral("Holiday Type"), this);
    rgType->setObjectName(QStringLiteral("rgType"));
    auto* typeRow = new QHBoxLayout(rgType);
    rbOneTime = radio(QStringLiteral("rbOneTime"), QStringLiteral("One-time holiday"), rgType);
    rbAnnual = radio(QStringLiteral("rbAnnual"), QStringLiteral("Annual repeating"), rgType);
    typeRow->addWidget(rbOneTime);
    typeRow->addWidget(rbAnnual);
    typeRow->addStretch(1);
    rbOneTime->setChecked(true);
    layout->addWidget(rgType);

    m_pages = new QStackedWidget(this);
    layout->addWidget(m_pages);

    pnlOneTime = new QWidget(m_pages);
    pnlOneTime->setObjectName(QStringLiteral("pnlOneTime"));
    auto* oneTime = new QVBoxLayout(pnlOneTime);
    oneTime->setContentsMargins(4, 4, 4, 4);
    auto* dateRow = new QHBoxLayout();
    dt1 = new QDateEdit(pnlOneTime);
    dt1->setObjectName(QStringLiteral("dt1"));
    dt1->setCalendarPopup(true);
    dt1->setDisplayFormat(dateEditFormat());
    dt1->setDate(Platform::clock().now().date());
    auto* dateLabel = new QLabel(QStringLiteral("This holiday date does not repeat:"), pnlOneTime);
    dateLabel->setBuddy(dt1);
    dateRow->addWidget(dateLabel);
    dateRow->addWidget(dt1);
    dateRow->addStretch(1);
    oneTime->addLayout(dateRow);
    auto* note = new QLabel(
        QStringLiteral("Use this to enter holidays based on the lunar calendar such as Passover and Easter."),
        pnlOneTime);
    note->setObjectName(QStringLiteral("lblNote"));
    note->setWordWrap(true);
    oneTime->addWidget(note);
    oneTime->addStretch(1);
    m_pages->addWidget(pnlOneTime);

    pnlRepeat = new QWidget(m_pages);
    pnlRepeat->setObjectName(QStringLiteral("pnlRepeat"));
    auto* repeat = new QGridLayout(pnlRepeat);
    repeat->setContentsMargins(4, 4, 4, 4);
    cbMonth = dropDownList(QStringLiteral("cbMonth"), pnlRepeat);
    auto* monthLabel = new QLabel(QStringLiteral("Month"), pnlRepeat);
    monthLabel->setBuddy(cbMonth);
    repeat->addWidget(monthLabel, 0, 0);
    repeat->addWidget(cbMonth, 0, 1);
    rbSpecific = radio(QStringLiteral("rbSpecific"), QStringLiteral("&Specific day of month"), pnlRepeat);
    cbDOM = dropDownList(QStringLiteral("cbDOM"), pnlRepeat);
    cbDOM->setMaxVisibleItems(16);
    repeat->addWidget(rbSpecific, 1, 0);
    repeat->addWidget(cbDOM, 1, 1);
    rbFloating = radio(QStringLiteral("rbFloating"), QStringLiteral("&Floating day of month"), pnlRepeat);
    cbNth = dropDownList(QStringLiteral("cbNth"), pnlRepeat);
    cbDay = dropDownList(QStringLiteral("cbDay"), pnlRepeat);
    repeat->addWidget(rbFloating, 2, 0);
    repeat->addWidget(cbNth, 2, 1);
    repeat->addWidget(cbDay, 2, 2);
    repeat->setColumnStretch(3, 1);
    rbSpecific->setChecked(true);
    m_pages->addWidget(pnlRepeat);

    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    layout->addLayout(buttons);

    for (int m = 0; m < 12 && m < fs.longMonthNames.size(); ++m)
        cbMonth->addItem(fs.longMonthNames[m]);
    cbMonth->setCurrentIndex(0);
    cbNth->addItems(HolidayOrdinals());
    cbNth->setCurrentIndex(0);
    for (int d = 0; d < 7 && d < fs.longDayNames.size(); ++d)
        cbDay->addItem(fs.longDayNames[d]);
    cbDay->setCurrentIndex(0);

    connect(btOK, &QPushButton::clicked, this, &TfrmEditHoliday::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cbMonth, &QComboBox::currentIndexChanged, this, &TfrmEditHoliday::fillDays);
    connect(rbOneTime, &QRadioButton::toggled, this, &TfrmEditHoliday::applyVisibility);
    connect(rbSpecific, &QRadioButton::toggled, this, &TfrmEditHoliday::applyVisibility);
    applyVisibility();
}

void TfrmEditHoliday::presetFrom(const HolidayEntry& entry) {
    newHoliday = false;
    edName->setText(entry.name);
    presetMonth = entry.month;
    presetDay = entry.dayNumber;
    presetNth = entry.ordinal;
    presetWeekday = entry.weekday;
    (entry.oneTime ? rbOneTime : rbAnnual)->setChecked(true);
    if (entry.oneTime)
        dt1->setDate(entry.date);
    else
        (entry.floating ? rbFloating : rbSpecific)->setChecked(true);
}

HolidayEntry TfrmEditHoliday::entry() const {
    HolidayEntry e;
    e.name = edName->text();
    e.month = cbMonth->currentText();
    e.oneTime = rbOneTime->isChecked();
    e.floating = rbFloating->isChecked();
    e.dayOfMonth = cbDOM->currentText();
    e.dayNumber = SafeStrToInt(e.dayOfMonth);
    e.ordinal = cbNth->currentText();
    e.weekday = cbDay->currentText();
    e.date = dt1->date();
    return e;
}

void TfrmEditHoliday::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TfrmEditHoliday::FormShow() {
    if (newHoliday) {
        const QDate today = Platform::clock().now().date();
        edName->clear();
        cbMonth->setCurrentIndex(today.month() - 1);
        cbNth->setCurrentIndex(0);
        cbDay->setCurrentIndex(0);
        fillDays();
        cbDOM->setCurrentIndex(std::min(today.day(), cbDOM->count()) - 1);
    } else {
        cbMonth->setCurrentIndex(cbMonth->findText(presetMonth, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        fillDays();
        cbDOM->setCurrentIndex(presetDay <= 0 ? std::min(0, cbDOM->count() - 1)
                                              : std::min(presetDay, cbDOM->count()) - 1);
        cbNth->setCurrentIndex(cbNth->findText(presetNth, Qt::MatchFixedString | Qt::MatchCaseSensitive));
        cbDay->setCurrentIndex(cbDay->findText(presetWeekday, Qt::MatchFixedString | Qt::MatchCaseSensitive));
    }
    applyVisibility();
    edName->setFocus();
}

void TfrmEditHoliday::fillDays() {
    const int index = cbDOM->currentIndex();
    const int count = DaysInMonth(cbMonth->currentIndex() + 1, 1996);
    const QSignalBlocker block(cbDOM);
    cbDOM->clear();
    for (int d = 1; d <= count; ++d)
        cbDOM->addItem(QString::number(d));
    cbDOM->setCurrentIndex(std::min(index, count - 1));
}

void TfrmEditHoliday::applyVisibility() {
    cbDOM->setVisible(rbSpecific->isChecked());
    cbNth->setVisible(rbFloating->isChecked());
    cbDay->setVisible(rbFloating->isChecked());
    m_pages->setCurrentWidget(rbOneTime->isChecked() ? pnlOneTime : pnlRepeat);
}

void TfrmEditHoliday::btOKClick() {
    if (IsBlank(edName->text())) {
        ShowErrorMessage(QStringLiteral("The holiday name cannot be blank"));
        edName->setFocus();
        return;
    }
    if (rbOneTime->isChecked())
        cbMonth->setCurrentIndex(dt1->date().month() - 1);
    accept();
}
