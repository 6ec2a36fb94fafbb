#include "settings/programoptions.h"

#include "common/basic.h"
#include "common/platform.h"
#include "settings/settingsstore.h"

QColor ColorFromWin(int value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

int ColorToWin(const QColor& color) { return color.red() | (color.green() << 8) | (color.blue() << 16); }

namespace {
const QString kOptions = QStringLiteral("Options");

bool readBool(const char* ident, bool def) { return SettingsStore::readBool(kOptions, QLatin1String(ident), def); }
int readInt(const char* ident, int def) { return SettingsStore::readInteger(kOptions, QLatin1String(ident), def); }
QColor readColor(const char* ident, const QColor& def) { return ColorFromWin(readInt(ident, ColorToWin(def))); }
}  // namespace

QFont ReadFontGroup(const QString& prefix, const QString& defName, int defSize) {
    QFont font(SettingsStore::readString(kOptions, prefix + QStringLiteral("Name"), defName));
    font.setPointSize(std::max(1, SettingsStore::readInteger(kOptions, prefix + QStringLiteral("Size"), defSize)));
    font.setBold(SettingsStore::readBool(kOptions, prefix + QStringLiteral("Bold"), false));
    font.setItalic(SettingsStore::readBool(kOptions, prefix + QStringLiteral("Italic"), false));
    font.setUnderline(SettingsStore::readBool(kOptions, prefix + QStringLiteral("Under"), false));
    font.setStrikeOut(SettingsStore::readBool(kOptions, prefix + QStringLiteral("Strike"), false));
    return font;
}

void ProgramOptions::load() {
    const ProgramOptions d;
    shadows = readBool("Shadows", d.shadows);
    strikeOut = readBool("StrikeOut", d.strikeOut);
    flyBy = readBool("FlyBy", d.flyBy);
    hintBG = readColor("HintColorBG", d.hintBG);
    hintFG = readColor("HintColorFG", d.hintFG);
    doneColor = readBool("DoneColor", d.doneColor);
    doneFG = readColor("DoneColorFG", d.doneFG);
    doneBG = readColor("DoneColorBG", d.doneBG);
    notDoneColor = readBool("NotDoneColor", d.notDoneColor);
    notDoneFG = readColor("NotDoneColorFG", d.notDoneFG);
    notDoneBG = readColor("NotDoneColorBG", d.notDoneBG);
    holidayColor = readBool("HolidayColor", d.holidayColor);
    holidayFG = readColor("HolidayColorFG", d.holidayFG);
    holidayBG = readColor("HolidayColorBG", d.holidayBG);
    monthColor = readBool("MonthColor", d.monthColor);
    monthBG = readColor("MonthColorBG", d.monthBG);
    sunday = readBool("Sunday", d.sunday);
    rowHeight = readInt("RowHeight", d.rowHeight);
    calFont = ReadFontGroup(QStringLiteral("CalFont"), QStringLiteral("Ms Sans Serif"), 8);
    gridFont = ReadFontGroup(QStringLiteral("GridFont"), QStringLiteral("Ms Sans Serif"), 8);
    titleFont = ReadFontGroup(QStringLiteral("TitleFont"), QStringLiteral("Times New Roman"), 20);
    playAlarm = readBool("PlayAlarm", d.playAlarm);
    newTaskAlarm = readBool("NewTaskAlarm", d.newTaskAlarm);
    alarmMin = readInt("AlarmMin", d.alarmMin);
    sysSound = readBool("SysSound", d.sysSound);
    playAlarmSound = readBool("PlayAlarmSound", d.playAlarmSound);
    alarmPath = SettingsStore::readString(kOptions, QStringLiteral("AlarmPath"),
                                          JoinPath(Platform::appFolder(), QStringLiteral("alarm.wav")));
    repeatAlarm = readBool("RepeatAlarm", d.repeatAlarm);
    hourChime = readBool("HourChime", d.hourChime);
    halfChime = readBool("HalfChime", d.halfChime);
    category = SettingsStore::readString(kOptions, QStringLiteral("Category"), QString());
    confirm = readBool("Confirm", d.confirm);
    dragConfirm = readBool("DragConfirm", d.dragConfirm);
    autoStart = readBool("AutoStart", d.autoStart);
    popup = readBool("qPopup", d.popup);
    exitF4 = readBool("ExitF4", d.exitF4);
    iconDay = readBool("qIcons", d.iconDay);
    firstTime = SettingsStore::readString(kOptions, QStringLiteral("FirstTime"), QStringLiteral("000"));
}

ProgramOptions& Options() {
    static ProgramOptions options;
    return options;
}
