#include "settings/programoptions.h"

#include <algorithm>

#include "common/basic.h"
#include "common/platform.h"
#include "settings/autostart.h"
#include "settings/settingsstore.h"

const char* const kSettingsWriteFailedText =
    "Calvora is attempting to save your settings in the registry under the key HKEY_CURRENT_USER\\Software\\Brellwick "
    "Corporation\\Calvora.  Perhaps an anti-virus program is disallowing legitimate use of the windows registry?";

QColor ColorFromWin(int value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int ColorToWin(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

namespace {
const QString kOptions = QStringLiteral("Options");

bool readBool(const char* ident, bool def) {
    return SettingsStore::readBool(kOptions, QLatin1String(ident), def);
}
int readInt(const char* ident, int def) {
    return SettingsStore::readInteger(kOptions, QLatin1String(ident), def);
}
QColor readColor(const char* ident, const QColor& def) {
    return ColorFromWin(readInt(ident, ColorToWin(def)));
}

void writeBool(const char* ident, bool value) {
    SettingsStore::writeBool(kOptions, QLatin1String(ident), value);
}
void writeInt(const char* ident, int value) {
    SettingsStore::writeInteger(kOptions, QLatin1String(ident), value);
}
void writeColor(const char* ident, const QColor& color) {
    writeInt(ident, ColorToWin(color));
}
void writeString(const char* ident, const QString& value) {
    SettingsStore::writeString(kOptions, QLatin1String(ident), value);
}

int pointSizeOf(const QFont& font) {
    if (font.pointSize() > 0)
        return font.pointSize();
    return std::max(1, qRound(font.pointSizeF()));
}
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

void WriteFontGroup(const QString& prefix, const QFont& font) {
    SettingsStore::writeString(kOptions, prefix + QStringLiteral("Name"), font.family());
    SettingsStore::writeInteger(kOptions, prefix + QStringLiteral("Size"), pointSizeOf(font));
    SettingsStore::writeBool(kOptions, prefix + QStringLiteral("Bold"), font.bold());
    SettingsStore::writeBool(kOptions, prefix + QStringLiteral("Italic"), font.italic());
    SettingsStore::writeBool(kOptions, prefix + QStringLiteral("Under"), font.underline());
    SettingsStore::writeBool(kOptions, prefix + QStringLiteral("Strike"), font.strikeOut());
}

QFont ReadPrintFont() {
    return ReadFontGroup(QStringLiteral("PrintFont"), QStringLiteral("Arial"), 10);
}

void SavePrintFont(const QFont& font) {
    WriteFontGroup(QStringLiteral("PrintFont"), font);
}

int TitleShadowDepth(bool shadows) {
    return shadows ? 4 : 1;
}

QColor TitleColor(bool shadows) {
    return shadows ? ColorFromWin(0x00FF0000) : ColorFromWin(0x00800000);
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
    rowHeight = std::clamp(readInt("RowHeight", d.rowHeight), MinRowHeight, MaxRowHeight);
    calFont = ReadFontGroup(QStringLiteral("CalFont"), QStringLiteral("Ms Sans Serif"), 8);
    gridFont = ReadFontGroup(QStringLiteral("GridFont"), QStringLiteral("Ms Sans Serif"), 8);
    titleFont = ReadFontGroup(QStringLiteral("TitleFont"), QStringLiteral("Times New Roman"), 20);
    playAlarm = readBool("PlayAlarm", d.playAlarm);
    newTaskAlarm = readBool("NewTaskAlarm", d.newTaskAlarm);
    alarmMin = std::clamp(readInt("AlarmMin", d.alarmMin), MinAlarmMin, MaxAlarmMin);
    sysSound = readBool("SysSound", d.sysSound);
    playAlarmSound = readBool("PlayAlarmSound", d.playAlarmSound);
    // The two are the choices of one pair of radio buttons: the sound file wins.
    if (playAlarmSound)
        sysSound = false;
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
    // Until the settings were saved once, the program offers to start with the session.
    startup = checkAutostart() || firstTime == QLatin1String("000");
}

void ProgramOptions::save() {
    if (!SettingsStore::writeString(kOptions, QStringLiteral("FirstTime"), QStringLiteral("first")))
        ShowErrorMessage(QString::fromLatin1(kSettingsWriteFailedText));
    else
        firstTime = QStringLiteral("first");
    writeBool("Shadows", shadows);
    writeBool("StrikeOut", strikeOut);
    writeBool("FlyBy", flyBy);
    writeColor("HintColorBG", hintBG);
    writeColor("HintColorFG", hintFG);
    writeBool("DoneColor", doneColor);
    writeColor("DoneColorFG", doneFG);
    writeColor("DoneColorBG", doneBG);
    writeBool("NotDoneColor", notDoneColor);
    writeColor("NotDoneColorFG", notDoneFG);
    writeColor("NotDoneColorBG", notDoneBG);
    writeBool("HolidayColor", holidayColor);
    writeColor("HolidayColorFG", holidayFG);
    writeColor("HolidayColorBG", holidayBG);
    writeBool("MonthColor", monthColor);
    writeColor("MonthColorBG", monthBG);
    writeBool("Sunday", sunday);
    writeInt("RowHeight", rowHeight);
    WriteFontGroup(QStringLiteral("CalFont"), calFont);
    WriteFontGroup(QStringLiteral("GridFont"), gridFont);
    WriteFontGroup(QStringLiteral("TitleFont"), titleFont);
    writeBool("PlayAlarm", playAlarm);
    writeBool("NewTaskAlarm", newTaskAlarm);
    writeInt("AlarmMin", alarmMin);
    writeBool("SysSound", sysSound);
    writeBool("PlayAlarmSound", playAlarmSound);
    writeString("AlarmPath", alarmPath);
    writeBool("RepeatAlarm", repeatAlarm);
    writeBool("HourChime", hourChime);
    writeBool("HalfChime", halfChime);
    writeString("Category", category);
    writeBool("Confirm", confirm);
    writeBool("DragConfirm", dragConfirm);
    writeBool("AutoStart", autoStart);
    writeBool("qPopup", popup);
    writeBool("ExitF4", exitF4);
    writeBool("qIcons", iconDay);
    writeAutostart(startup);
}

ProgramOptions& Options() {
    static ProgramOptions options;
    return options;
}
