#include "settings/color.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/monthcalendar.h"
#include "common/platform.h"
#include "settings/programoptions.h"

namespace {

// The sixteen standard colours, as Windows colour numbers.
const struct {
    const char* name;
    int value;
} kStandardColors[] = {{"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
                       {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
                       {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
                       {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF}};

const int kCustomIndex = 0;

QIcon swatch(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

QComboBox* colorBox(const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItem(QStringLiteral("Custom..."));
    for (const auto& c : kStandardColors) {
        const QColor color = ColorFromWin(c.value);
        box->addItem(swatch(color), QString::fromLatin1(c.name), color);
    }
    box->setMinimumWidth(150);
    return box;
}

// Selects the colour, adding it under "Custom..." when it is not a standard one.
void selectColor(QComboBox* box, const QColor& color) {
    const QColor rgb = color.toRgb();
    int index = box->findData(rgb);
    if (index < 0) {
        index = kCustomIndex + 1;
        box->insertItem(index, swatch(rgb), rgb.name().toUpper(), rgb);
    }
    box->setCurrentIndex(index);
}

}  // namespace

TfrmColor::TfrmColor(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmColor"));
    setWindowTitle(QStringLiteral("Set Color"));

    calSample = new MonthCalendar(this);
    calSample->setObjectName(QStringLiteral("calSample"));
    calSample->setMinimumSize(250, 170);
    calSample->setFocusPolicy(Qt::NoFocus);
    calSample->setWeekStart(Options().sunday ? Qt::Sunday : Qt::Monday);
    calSample->setDate(Platform::clock().now().date());
    calSample->setDrawCellHandler([this](CellPaint& cell) {
        if (m_mode != Mode::Normal || !cell.inMonth)
            return;
        cell.backColor = background();
        cell.textColor = foreground();
    });

    lblFG = new QLabel(QStringLiteral("ForeGround"), this);
    lblFG->setObjectName(QStringLiteral("lblFG"));
    cbFG = colorBox(QStringLiteral("cbFG"), this);
    lblFG->setBuddy(cbFG);
    lblBG = new QLabel(QStringLiteral("BackGround"), this);
    lblBG->setObjectName(QStringLiteral("lblBG"));
    cbBG = colorBox(QStringLiteral("cbBG"), this);
    lblBG->setBuddy(cbBG);

    btOK = new QPushButton(QStringLiteral("OK"), this);
    btOK->setObjectName(QStringLiteral("btOK"));
    btOK->setDefault(true);
    btCancel = new QPushButton(QStringLiteral("Cancel"), this);
    btCancel->setObjectName(QStringLiteral("btCancel"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(calSample);
    layout->addSpacing(10);
    auto* boxes = new QGridLayout;
    boxes->setHorizontalSpacing(8);
    boxes->setVerticalSpacing(10);
    boxes->addWidget(lblFG, 0, 0);
    boxes->addWidget(cbFG, 0, 1);
    boxes->addWidget(lblBG, 1, 0);
    boxes->addWidget(cbBG, 1, 1);
    boxes->setColumnStretch(1, 1);
    layout->addLayout(boxes);
    layout->addSpacing(20);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    layout->addLayout(buttons);

    connect(cbFG, qOverload<int>(&QComboBox::activated), this, [this] { colorChosen(cbFG); });
    connect(cbBG, qOverload<int>(&QComboBox::activated), this, [this] { colorChosen(cbBG); });
    connect(cbFG, &QComboBox::currentIndexChanged, this, &TfrmColor::redrawSample);
    connect(cbBG, &QComboBox::currentIndexChanged, this, &TfrmColor::redrawSample);
    connect(btOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    setForeground(Qt::black);
    setBackground(Qt::white);
}

void TfrmColor::setMode(Mode mode) {
    m_mode = mode;
    cbFG->setVisible(mode != Mode::Month);
    lblFG->setText(mode == Mode::Month ? QStringLiteral("Set outline color of current month")
                                       : QStringLiteral("ForeGround"));
    calSample->setVisible(mode != Mode::Hint);
    redrawSample();
}

QColor TfrmColor::foreground() const {
    return colorOf(cbFG);
}

void TfrmColor::setForeground(const QColor& color) {
    selectColor(cbFG, color);
}

QColor TfrmColor::background() const {
    return colorOf(cbBG);
}

void TfrmColor::setBackground(const QColor& color) {
    selectColor(cbBG, color);
}

void TfrmColor::colorChosen(QComboBox* box) {
    if (box->currentIndex() != kCustomIndex)
        return;
    // "Custom..." asks for any colour, starting from the one chosen before.
    QColor color = colorOf(box);
    if (Platform::dialogs().color(color))
        selectColor(box, color);
    else
        box->setCurrentIndex(box->property("lastIndex").toInt());
}

QColor TfrmColor::colorOf(const QComboBox* box) {
    const int index = box->currentIndex() == kCustomIndex ? box->property("lastIndex").toInt() : box->currentIndex();
    return box->itemData(index).value<QColor>();
}

void TfrmColor::redrawSample() {
    for (QComboBox* box : {cbFG, cbBG})
        if (box->currentIndex() != kCustomIndex)
            box->setProperty("lastIndex", box->currentIndex());
    const QColor back = m_mode == Mode::Month ? background() : QColor();
    calSample->setMonthBackColor(back);
    calSample->setWeekdayHeaderBackColor(back);
    calSample->update();
}

bool TfrmColor::Execute(QWidget* parent, const QString& caption, Mode mode, QColor& foreground, QColor& background) {
    TfrmColor dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setForeground(foreground);
    dialog.setBackground(background);
    dialog.setMode(mode);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    foreground = dialog.foreground();
    background = dialog.background();
    return true;
}
