#include "settings/options.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "common/basic.h"
#include "common/platform.h"
#include "common/routines.h"
#include "data/linelist.h"
#include "settings/color.h"
#include "settings/colorpanel.h"
#include "settings/programoptions.h"
#include "settings/titlelabel.h"

namespace {

const char* const kTag = "tag";
// Alarm controls: enabled with "&Enable alarms?"; sound file controls also need
// "Play sound file (requires speakers)?".
constexpr int kAlarmTag = 99;
constexpr int kAlarmNoteTag = 100;
constexpr int kSoundFileTag = 199;

const QString kTestCaption = QStringLiteral("&Test");
const QString kStopCaption = QStringLiteral("&Stop");

// Set once a sound file was handed to the desktop's player; a stop then silences it.
bool g_playerLaunched = false;

template <typename T>
T* named(T* widget, const char* name, int tag = 0) {
    widget->setObjectName(QLatin1String(name));
    if (tag)
        widget->setProperty(kTag, tag);
    return widget;
}

QCheckBox* check(const char* name, const char* caption, QWidget* parent, int tag = 0) {
    return named(new QCheckBox(QString::fromLatin1(caption), parent), name, tag);
}

QRadioButton* radio(const char* name, const char* caption, QWidget* parent, int tag = 0) {
    return named(new QRadioButton(QString::fromLatin1(caption), parent), name, tag);
}

QPushButton* button(const char* name, const char* caption, QWidget* parent, int tag = 0) {
    auto* b = named(new QPushButton(QString::fromLatin1(caption), parent), name, tag);
    b->setAutoDefault(false);
    return b;
}

QLabel* label(const char* name, const char* caption, QWidget* parent, int tag = 0) {
    return named(new QLabel(QString::fromLatin1(caption), parent), name, tag);
}

QGroupBox* group(const char* name, const char* caption, QWidget* parent) {
    return named(new QGroupBox(QString::fromLatin1(caption), parent), name);
}

QSpinBox* spin(const char* name, int min, int max, QWidget* parent, int tag = 0) {
    auto* s = named(new QSpinBox(parent), name, tag);
    s->setRange(min, max);
    s->setMinimumWidth(60);
    return s;
}

// Radio buttons read from two stored values may both be off, as the values say.
void setRadioPair(QRadioButton* a, bool aOn, QRadioButton* b, bool bOn) {
    a->setAutoExclusive(false);
    b->setAutoExclusive(false);
    a->setChecked(aOn);
    b->setChecked(bOn && !aOn);
    a->setAutoExclusive(true);
    b->setAutoExclusive(true);
}

// The header font button shows the title font's family and style in its own size.
QFont headerButtonFont(const QFont& title, const QFont& base) {
    QFont f = base;
    f.setFamily(title.family());
    f.setBold(title.bold());
    f.setItalic(title.italic());
    f.setUnderline(title.underline());
    f.setStrikeOut(title.strikeOut());
    return f;
}

}  // namespace

TfrmOptions::TfrmOptions(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(QStringLiteral("Program Options"));

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    TabSheet1 = named(new QWidget, "TabSheet1");
    TabSheet2 = named(new QWidget, "TabSheet2");
    TabSheet3 = named(new QWidget, "TabSheet3");
    PageControl1->addTab(TabSheet1, QStringLiteral("Screen Appearance"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Alarm settings"));
    PageControl1->addTab(TabSheet3, QStringLiteral("Miscellaneous"));
    buildAppearancePage();
    buildAlarmPage();
    buildMiscPage();

    btOK = button("btOK", "OK", this);
    btOK->setDefault(true);
    btCancel = button("btCancel", "Cancel", this);
    btHelp = button("btHelp", "&Help", this);
    // Until the help pages exist there is nothing to open.
    btHelp->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btOK);
    buttons->addWidget(btCancel);
    buttons->addWidget(btHelp);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);

    connectControls();
    PageControl1->setCurrentIndex(0);
    m_loading = true;
    ReadSettings();
    m_loading = false;
}

void TfrmOptions::buildAppearancePage() {
    QWidget* page = TabSheet1;

    QGroupBox* appearance = group("gbAppearance", "Screen Appearance", page);
    cbShadow = check("cbShadow", "Use Sh&adows on Title captions?", appearance);
    lblTitle = named(new TitleLabel(QStringLiteral("Like this"), appearance), "lblTitle");
    lblTitle->setAlignment(Qt::AlignCenter);
    cbStrikeout = check("cbStrikeout", "&Strike-out done events?", appearance);
    cbFlyBy = check("cbFlyBy", "Show fly-by hints?", appearance);
    pnlHint = named(new ColorPanel(QStringLiteral("Fly-by Hint Color"), appearance), "pnlHint");
    pnlHint->setToolTip(QStringLiteral("Click on a color to change"));
    auto* a = new QVBoxLayout(appearance);
    a->addWidget(cbShadow);
    a->addWidget(lblTitle);
    a->addWidget(cbStrikeout);
    a->addWidget(cbFlyBy);
    a->addWidget(pnlHint);
    a->addStretch();

    QGroupBox* colors = group("gbColors", "Color calendar dates", page);
    colors->setToolTip(QStringLiteral("Click on a color to change"));
    cbColorDone = check("cbColorDone", "&Done Items", colors);
    pnlDone = named(new ColorPanel(QStringLiteral("Done"), colors), "pnlDone");
    cbColorNotDone = check("cbColorNotDone", "&Not-done items", colors);
    pnlNotDone = named(new ColorPanel(QStringLiteral("Not Done"), colors), "pnlNotDone");
    cbHoliday = check("cbHoliday", "&Holidays", colors);
    pnlHoliday = named(new ColorPanel(QStringLiteral("Holiday"), colors), "pnlHoliday");
    cbCurrentMonth = check("cbCurrentMonth", "Current month", colors);
    pnlMonth = named(new ColorPanel(QStringLiteral("Current month"), colors), "pnlMonth");
    QLabel* hint = label("lblColorHint", "Click on a color to change", colors);
    hint->setEnabled(false);
    auto* c = new QGridLayout(colors);
    int row = 0;
    for (auto [box, panel] : {std::pair<QCheckBox*, ColorPanel*>{cbColorDone, pnlDone},
                              {cbColorNotDone, pnlNotDone},
                              {cbHoliday, pnlHoliday},
                              {cbCurrentMonth, pnlMonth}}) {
        panel->setToolTip(QStringLiteral("Click on a color to change"));
        panel->setMinimumWidth(110);
        c->addWidget(box, row, 0);
        c->addWidget(panel, row++, 1);
    }
    c->addWidget(hint, row, 0, 1, 2, Qt::AlignCenter);
    c->setRowStretch(row + 1, 1);

    QGroupBox* week = group("gbWeekStart", "Week starts on which day? ", page);
    rbSun = radio("rbSun", "S&unday", week);
    rbMon = radio("rbMon", "&Monday", week);
    auto* w = new QVBoxLayout(week);
    w->addWidget(rbSun);
    w->addWidget(rbMon);
    w->addStretch();

    btCalFont = button("btCalFont", "Calendar Font", page);
    btGridFont = button("btGridFont", "Grid Font", page);
    btHeader = button("btHeader", "Header font", page);
    QLabel* rowLabel = label("lblRowHeight", "Height of grid row:", page);
    edRowHeight = spin("edRowHeight", ProgramOptions::MinRowHeight, ProgramOptions::MaxRowHeight, page);
    rowLabel->setBuddy(edRowHeight);

    auto* fonts = new QVBoxLayout;
    fonts->addWidget(btCalFont);
    fonts->addWidget(btGridFont);
    fonts->addWidget(btHeader);
    auto* rowHeight = new QHBoxLayout;
    rowHeight->addWidget(rowLabel);
    rowHeight->addWidget(edRowHeight);
    rowHeight->addStretch();
    fonts->addLayout(rowHeight);
    fonts->addStretch();

    auto* grid = new QGridLayout(page);
    grid->addWidget(appearance, 0, 0);
    grid->addWidget(colors, 0, 1);
    grid->addWidget(week, 1, 0, Qt::AlignTop);
    grid->addLayout(fonts, 1, 1);
    grid->setRowStretch(2, 1);
}

void TfrmOptions::buildAlarmPage() {
    QWidget* page = TabSheet2;
    QGroupBox* alarms = group("gbAlarm", "Alarm settings", page);

    cbAlarm = check("cbAlarm", "&Enable alarms?", alarms);
    cbNewTasks = check("cbNewTasks", "Turn alarm ON for new tasks?", alarms, kAlarmTag);
    QLabel* soundLabel = label("lblSound", "S&ound alarm", alarms, kAlarmTag);
    edMin = spin("edMin", ProgramOptions::MinAlarmMin, ProgramOptions::MaxAlarmMin, alarms, kAlarmTag);
    soundLabel->setBuddy(edMin);
    QLabel* minutesLabel = label("lblMinutes", "minutes ahead of scheduled event", alarms, kAlarmTag);
    rbSystemSound = radio("rbSystemSound", "Use system sound?", alarms, kAlarmTag);
    rbPlayAlarmSound = radio("rbPlayAlarmSound", "Play sound file (requires speakers)?", alarms, kAlarmTag);
    QLabel* pathLabel = label("lblPath", "MP3 or &Wav File:", alarms, kSoundFileTag);
    edPath = named(new QLineEdit(alarms), "edPath", kSoundFileTag);
    edPath->setMinimumWidth(300);
    pathLabel->setBuddy(edPath);
    btAlarmBrowse = button("btAlarmBrowse", "&Browse", alarms, kSoundFileTag);
    btTest = button("btTest", "&Test", alarms, kAlarmTag);
    cbRepeat = check("cbRepeat", "&Repeat alarm?", alarms, kSoundFileTag);

    cbHourChime = check("cbHourChime", "Play chime at the top of the hour?", alarms);
    btTestHour = button("btTestHour", "Test hour chime", alarms);
    cbHalfChime = check("cbHalfChime", "Play chime on the half hour?", alarms);
    btHalfTest = button("btHalfTest", "Test half hour chime", alarms);
    QLabel* note = label(
        "lblNote", "Note: A sound card and speakers are necessary in order to hear the chimes and alarm wav file.",
        alarms, kAlarmNoteTag);
    note->setWordWrap(true);

    auto* g = new QGridLayout(alarms);
    g->setColumnMinimumWidth(0, 20);
    g->addWidget(cbAlarm, 0, 0, 1, 4);
    g->addWidget(cbNewTasks, 1, 1, 1, 3);
    auto* lead = new QHBoxLayout;
    lead->addWidget(soundLabel);
    lead->addWidget(edMin);
    lead->addWidget(minutesLabel);
    lead->addStretch();
    g->addLayout(lead, 2, 1, 1, 3);
    g->addWidget(rbSystemSound, 3, 1, 1, 3);
    g->addWidget(rbPlayAlarmSound, 4, 1, 1, 3);
    auto* path = new QHBoxLayout;
    path->addSpacing(20);
    path->addWidget(pathLabel);
    path->addWidget(edPath, 1);
    path->addWidget(btAlarmBrowse);
    g->addLayout(path, 5, 1, 1, 3);
    auto* test = new QHBoxLayout;
    test->addSpacing(20);
    test->addWidget(cbRepeat);
    test->addStretch();
    test->addWidget(btTest);
    g->addLayout(test, 6, 1, 1, 3);
    auto* rule = new QFrame(alarms);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    g->addWidget(rule, 7, 0, 1, 4);
    g->addWidget(cbHourChime, 8, 0, 1, 2);
    g->addWidget(btTestHour, 8, 3);
    g->addWidget(cbHalfChime, 9, 0, 1, 2);
    g->addWidget(btHalfTest, 9, 3);
    g->addWidget(note, 10, 0, 1, 4);
    g->setColumnStretch(2, 1);

    auto* v = new QVBoxLayout(page);
    v->addWidget(alarms);
    v->addStretch();
}

void TfrmOptions::buildMiscPage() {
    QWidget* page = TabSheet3;

    QGroupBox* newTasks = group("gbNewTasks", "On New Tasks ", page);
    QLabel* categoryLabel = label("lblCategory", "&Default category", newTasks);
    cbCategory = named(new QComboBox(newTasks), "cbCategory");
    cbCategory->setEditable(true);
    cbCategory->setInsertPolicy(QComboBox::NoInsert);
    cbCategory->setMinimumWidth(160);
    categoryLabel->setBuddy(cbCategory);
    auto* n = new QHBoxLayout(newTasks);
    n->addWidget(categoryLabel);
    n->addWidget(cbCategory, 1);

    QGroupBox* confirm = group("gbConfirm", "Ask for confirmation when ", page);
    cbConfirm = check("cbConfirm", "D&eleting tasks/holidays", confirm);
    cbDragConfirm = check("cbDragConfirm", "D&rag/dropping from grids to grid or calendar", confirm);
    auto* cf = new QVBoxLayout(confirm);
    cf->addWidget(cbConfirm);
    cf->addWidget(cbDragConfirm);

    QGroupBox* startup = group("gbStartup", "When Calvora starts up ", page);
    cbStartInTray = check("cbStartInTray", "&Start in system tray, main screen is bypassed", startup);
    cbStartup = check("cbStartup", "&Calvora placed in system tray on reboot", startup);
    auto* s = new QVBoxLayout(startup);
    s->addWidget(cbStartInTray);
    s->addWidget(cbStartup);

    QGroupBox* popup = group("gbPopup", "When mouse is moved over the calendars ", page);
    cbPopup = check("cbPopup", "Display a &popup summary of events ", popup);
    auto* p = new QVBoxLayout(popup);
    p->addWidget(cbPopup);

    QGroupBox* close = group("gbClose", "When ALT+F4 or close window button is pressed ", page);
    rbExit = radio("rbExit", "Exit Calvora", close);
    rbMinimize = radio("rbMinimize", "Minimize Calvora", close);
    auto* cl = new QHBoxLayout(close);
    cl->addWidget(rbExit);
    cl->addWidget(rbMinimize);
    cl->addStretch();

    QGroupBox* icon = group("gbIcon", "Icon appearance in system tray", page);
    cbIconDay = check("cbIconDay", "Change icon to match day of month?", icon);
    imgIcon = named(new QLabel(icon), "imgIcon");
    drawTrayIconSample();
    auto* i = new QHBoxLayout(icon);
    i->addWidget(imgIcon);
    i->addWidget(cbIconDay, 1);

    auto* v = new QVBoxLayout(page);
    for (QGroupBox* box : {newTasks, confirm, startup, popup, close, icon})
        v->addWidget(box);
    v->addStretch();
}

void TfrmOptions::drawTrayIconSample() {
    // The tray icon as it looks with "Change icon to match day of month?" on.
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.addRoundedRect(QRectF(1.5, 1.5, 29, 29), 4, 4);
    painter.fillPath(page, Qt::white);
    painter.save();
    painter.setClipPath(page);
    painter.fillRect(QRectF(0, 0, 32, 9), QColor(200, 30, 30));
    painter.restore();
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.drawPath(page);
    QFont f = font();
    f.setBold(true);
    f.setPixelSize(16);
    painter.setFont(f);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(0, 9, 32, 22), Qt::AlignCenter, QString::number(Platform::clock().now().date().day()));
    painter.end();
    imgIcon->setPixmap(pixmap);
    imgIcon->setFixedSize(36, 36);
}

void TfrmOptions::connectControls() {
    // A check box edits its option; live runs after the change unless the controls are
    // being filled from the options.
    auto bindCheck = [this](QAbstractButton* box, bool ProgramOptions::*field, std::function<void()> live = {}) {
        connect(box, &QAbstractButton::toggled, this, [this, field, live](bool on) {
            if (m_loading)
                return;
            Options().*field = on;
            if (live)
                live();
        });
    };
    bindCheck(cbShadow, &ProgramOptions::shadows, [this] {
        ApplyTitleStyle(lblTitle, Options().shadows);
        emit shadowsChanged(Options().shadows);
    });
    bindCheck(cbStrikeout, &ProgramOptions::strikeOut, [this] {
        if (isVisible())
            emit strikeOutChanged();
    });
    bindCheck(cbFlyBy, &ProgramOptions::flyBy);
    bindCheck(cbColorDone, &ProgramOptions::doneColor, [this] { emit dayColorsChanged(); });
    bindCheck(cbColorNotDone, &ProgramOptions::notDoneColor, [this] { emit dayColorsChanged(); });
    bindCheck(cbHoliday, &ProgramOptions::holidayColor, [this] { emit dayColorsChanged(); });
    bindCheck(cbCurrentMonth, &ProgramOptions::monthColor, [this] { emit monthColorChanged(); });
    bindCheck(rbSun, &ProgramOptions::sunday);
    bindCheck(cbAlarm, &ProgramOptions::playAlarm);
    bindCheck(cbNewTasks, &ProgramOptions::newTaskAlarm);
    bindCheck(rbSystemSound, &ProgramOptions::sysSound);
    bindCheck(rbPlayAlarmSound, &ProgramOptions::playAlarmSound);
    bindCheck(cbRepeat, &ProgramOptions::repeatAlarm);
    bindCheck(cbHourChime, &ProgramOptions::hourChime);
    bindCheck(cbHalfChime, &ProgramOptions::halfChime);
    bindCheck(cbConfirm, &ProgramOptions::confirm);
    bindCheck(cbDragConfirm, &ProgramOptions::dragConfirm);
    bindCheck(cbStartInTray, &ProgramOptions::autoStart);
    bindCheck(cbStartup, &ProgramOptions::startup);
    bindCheck(cbPopup, &ProgramOptions::popup);
    bindCheck(rbExit, &ProgramOptions::exitF4);
    bindCheck(cbIconDay, &ProgramOptions::iconDay);

    // The enabling rules follow the controls, also while they are filled.
    connect(cbAlarm, &QAbstractButton::toggled, this, &TfrmOptions::enableAlarmControls);
    connect(cbNewTasks, &QAbstractButton::toggled, this, &TfrmOptions::enableAlarmControls);
    connect(rbSystemSound, &QAbstractButton::toggled, this, &TfrmOptions::enableSoundFileControls);
    connect(rbPlayAlarmSound, &QAbstractButton::toggled, this, &TfrmOptions::enableSoundFileControls);

    connect(edRowHeight, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
        if (m_loading)
            return;
        Options().rowHeight = value;
        emit rowHeightChanged();
    });
    connect(edMin, qOverload<int>(&QSpinBox::valueChanged), this, [this](int value) {
        if (!m_loading)
            Options().alarmMin = value;
    });
    connect(edPath, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_loading)
            Options().alarmPath = text;
    });
    connect(cbCategory, &QComboBox::currentTextChanged, this, [this](const QString& text) {
        if (!m_loading)
            Options().category = text;
    });

    connect(pnlDone, &ColorPanel::clicked, this, [this] {
        editDayColors(pnlDone, QStringLiteral("Set color for DONE tasks"), Options().doneFG, Options().doneBG);
    });
    connect(pnlNotDone, &ColorPanel::clicked, this, [this] {
        ProgramOptions& o = Options();
        editDayColors(pnlNotDone, QStringLiteral("Set color for NOT DONE tasks"), o.notDoneFG, o.notDoneBG);
    });
    connect(pnlHoliday, &ColorPanel::clicked, this, [this] {
        ProgramOptions& o = Options();
        editDayColors(pnlHoliday, QStringLiteral("Set color for Holidays"), o.holidayFG, o.holidayBG);
    });
    connect(pnlMonth, &ColorPanel::clicked, this, &TfrmOptions::pnlMonthClick);
    connect(pnlHint, &ColorPanel::clicked, this, &TfrmOptions::pnlHintClick);
    connect(btCalFont, &QPushButton::clicked, this, &TfrmOptions::btCalFontClick);
    connect(btGridFont, &QPushButton::clicked, this, &TfrmOptions::btGridFontClick);
    connect(btHeader, &QPushButton::clicked, this, &TfrmOptions::btHeaderClick);
    connect(btTest, &QPushButton::clicked, this, &TfrmOptions::btTestClick);
    connect(btAlarmBrowse, &QPushButton::clicked, this, &TfrmOptions::btAlarmBrowseClick);
    connect(btTestHour, &QPushButton::clicked, this, [this] { emit chimeTestRequested(true, false); });
    connect(btHalfTest, &QPushButton::clicked, this, [this] { emit chimeTestRequested(false, true); });
    // The chimes themselves are not part of the program yet: their test buttons wait for them.
    btTestHour->hide();
    btHalfTest->hide();
    connect(btOK, &QPushButton::clicked, this, &TfrmOptions::btOKClick);
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btHelp, &QPushButton::clicked, this, [this] {
        if (m_helpHandler)
            m_helpHandler(HelpContext);
    });
}

void TfrmOptions::setHelpHandler(std::function<void(int)> handler) {
    m_helpHandler = std::move(handler);
    btHelp->setVisible(bool(m_helpHandler));
}

void TfrmOptions::ReadSettings() {
    Options().load();
    showOptions();
    ChangeCalFonts();
    ChangeGridFonts();
}

void TfrmOptions::SaveSettings() {
    Options().save();
}

void TfrmOptions::showOptions() {
    const bool wasLoading = m_loading;
    m_loading = true;
    const ProgramOptions& o = Options();
    cbShadow->setChecked(o.shadows);
    cbStrikeout->setChecked(o.strikeOut);
    cbFlyBy->setChecked(o.flyBy);
    pnlHint->setColors(o.hintFG, o.hintBG);
    cbColorDone->setChecked(o.doneColor);
    pnlDone->setColors(o.doneFG, o.doneBG);
    cbColorNotDone->setChecked(o.notDoneColor);
    pnlNotDone->setColors(o.notDoneFG, o.notDoneBG);
    cbHoliday->setChecked(o.holidayColor);
    pnlHoliday->setColors(o.holidayFG, o.holidayBG);
    cbCurrentMonth->setChecked(o.monthColor);
    pnlMonth->setColors(palette().color(QPalette::WindowText), o.monthBG);
    setRadioPair(rbSun, o.sunday, rbMon, !o.sunday);
    edRowHeight->setValue(o.rowHeight);
    btCalFont->setFont(o.calFont);
    btGridFont->setFont(o.gridFont);
    lblTitle->setFont(o.titleFont);
    btHeader->setFont(headerButtonFont(o.titleFont, font()));
    cbAlarm->setChecked(o.playAlarm);
    cbNewTasks->setChecked(o.newTaskAlarm);
    edMin->setValue(o.alarmMin);
    setRadioPair(rbPlayAlarmSound, o.playAlarmSound, rbSystemSound, o.sysSound);
    edPath->setText(o.alarmPath);
    cbRepeat->setChecked(o.repeatAlarm);
    cbHourChime->setChecked(o.hourChime);
    cbHalfChime->setChecked(o.halfChime);
    cbCategory->setCurrentText(o.category);
    cbConfirm->setChecked(o.confirm);
    cbDragConfirm->setChecked(o.dragConfirm);
    cbStartInTray->setChecked(o.autoStart);
    cbStartup->setChecked(o.startup);
    cbPopup->setChecked(o.popup);
    setRadioPair(rbExit, o.exitF4, rbMinimize, !o.exitF4);
    cbIconDay->setChecked(o.iconDay);
    ApplyTitleStyle(lblTitle, o.shadows);
    m_loading = wasLoading;
}

void TfrmOptions::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QDialog::showEvent(event);
}

void TfrmOptions::FormShow() {
    showOptions();
    enableSoundFileControls();
    enableAlarmControls();
    fillCategories();
}

void TfrmOptions::fillCategories() {
    QStringList names = ReadLineList(JoinPath(Platform::appFolder(), QStringLiteral("category.xxx")));
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    const bool wasLoading = m_loading;
    m_loading = true;
    cbCategory->clear();
    cbCategory->addItems(names);
    cbCategory->setCurrentText(Options().category);
    m_loading = wasLoading;
}

void TfrmOptions::enableAlarmControls() {
    const bool on = cbAlarm->isChecked();
    for (QWidget* w : findChildren<QWidget*>())
        if (w->property(kTag).toInt() > 98)
            w->setEnabled(on);
}

void TfrmOptions::enableSoundFileControls() {
    const bool on = rbPlayAlarmSound->isChecked();
    for (QWidget* w : findChildren<QWidget*>())
        if (w->property(kTag).toInt() > 198)
            w->setEnabled(on);
}

void TfrmOptions::ChangeCalFonts() {
    emit changeCalFonts();
}

void TfrmOptions::ChangeGridFonts() {
    emit changeGridFonts();
}

void TfrmOptions::editDayColors(ColorPanel* panel, const QString& caption, QColor& fg, QColor& bg) {
    QColor newFG = fg;
    QColor newBG = bg;
    if (TfrmColor::Execute(this, caption, TfrmColor::Mode::Normal, newFG, newBG)) {
        fg = newFG;
        bg = newBG;
        panel->setColors(fg, bg);
    }
    emit dayColorsChanged();
}

void TfrmOptions::pnlMonthClick() {
    ProgramOptions& o = Options();
    QColor fg = pnlMonth->fontColor();
    QColor bg = o.monthBG;
    if (TfrmColor::Execute(this, QStringLiteral("Set color for Current Month"), TfrmColor::Mode::Month, fg, bg)) {
        o.monthBG = bg;
        pnlMonth->setColor(bg);
    }
    emit monthColorChanged();
}

void TfrmOptions::pnlHintClick() {
    ProgramOptions& o = Options();
    QColor fg = o.hintFG;
    QColor bg = o.hintBG;
    if (TfrmColor::Execute(this, QStringLiteral("Set color for Hints"), TfrmColor::Mode::Hint, fg, bg)) {
        o.hintFG = fg;
        o.hintBG = bg;
        pnlHint->setColors(fg, bg);
    }
    emit hintColorsChanged();
}

// The font dialog on one of the option fonts; a confirmed choice is kept and shown on its button.
bool TfrmOptions::chooseFont(QFont& option, QPushButton* button) {
    QFont f = option;
    if (!Platform::dialogs().font(f))
        return false;
    option = f;
    if (button)
        button->setFont(f);
    return true;
}

void TfrmOptions::btCalFontClick() {
    if (!chooseFont(Options().calFont, btCalFont))
        return;
    ChangeCalFonts();
}

void TfrmOptions::btGridFontClick() {
    if (!chooseFont(Options().gridFont, btGridFont))
        return;
    ChangeGridFonts();
}

void TfrmOptions::btHeaderClick() {
    // The main window takes the title font at its next ApplySettings.
    if (!chooseFont(Options().titleFont, nullptr))
        return;
    lblTitle->setFont(Options().titleFont);
    btHeader->setFont(headerButtonFont(Options().titleFont, font()));
}

void TfrmOptions::playAlarmSound(const QString& file, bool play, bool repeat) {
    const ProgramOptions& o = Options();
    if (o.sysSound) {
        if (play)
            Platform::sound().beep(BeepKind::Default);
        return;
    }
    if (!play) {
        Platform::sound().stop();
        const QString blank = JoinPath(Platform::appFolder(), QStringLiteral("blank.mp3"));
        if (g_playerLaunched && QFile::exists(blank))
            Platform::shell().open(blank);
        return;
    }
    QString chosen = IsBlank(file) ? o.alarmPath : file;
    if (IsBlank(chosen))
        return;
    if (!QFile::exists(chosen)) {
        if (!QFile::exists(o.alarmPath))
            return;
        chosen = o.alarmPath;
    }
    if (chosen.toLower().contains(QLatin1String(".wav"))) {
        Platform::sound().play(chosen, repeat);
        return;
    }
    g_playerLaunched = true;
    if (!Platform::shell().open(chosen))
        ShowErrorMessage(QStringLiteral("Couldn't launch player for music sound file \"%1\"  Are you sure you have a "
                                        "valid music file player installed?")
                             .arg(chosen));
}

void TfrmOptions::btTestClick() {
    if (rbSystemSound->isChecked()) {
        playAlarmSound(edPath->text(), true, cbRepeat->isChecked());
        return;
    }
    if (btTest->text() == kStopCaption) {
        btTest->setText(kTestCaption);
        playAlarmSound(QString(), false, false);
        return;
    }
    if (cbRepeat->isChecked())
        btTest->setText(kStopCaption);
    playAlarmSound(edPath->text(), true, cbRepeat->isChecked());
}

void TfrmOptions::btAlarmBrowseClick() {
    QString file = edPath->text();
    if (m_soundFileChooser) {
        if (!m_soundFileChooser(file))
            return;
    } else {
        const QString chosen = Platform::dialogs().openFile(
            QStringLiteral("Get sound file"), QFileInfo(file).absolutePath(),
            QStringLiteral("Song files (*.wma *.mp3 *.mp2 *.cda);;Wav files (*.wav);;All files (*)"));
        if (chosen.isEmpty())
            return;
        file = chosen;
    }
    edPath->setText(file);
}

void TfrmOptions::btOKClick() {
    SaveSettings();
    accept();
}
