#pragma once
// The program's options: one live object that every window reads (colours of the
// calendars, strike-out, confirmations, alarm and chime switches, fonts...). Loaded from
// the settings store at start; the options window edits it in place.

#include <QColor>
#include <QFont>
#include <QString>

// Colours are kept in the settings as Windows colour numbers ($00BBGGRR).
QColor ColorFromWin(int value);
int ColorToWin(const QColor& color);

struct ProgramOptions {
    bool shadows = true;
    bool strikeOut = true;
    bool flyBy = true;
    QColor hintBG = ColorFromWin(0x0000FFFF);
    QColor hintFG = ColorFromWin(0);
    bool doneColor = true;
    QColor doneFG = ColorFromWin(0);
    QColor doneBG = ColorFromWin(0x00FFFF00);
    bool notDoneColor = true;
    QColor notDoneFG = ColorFromWin(0x00FFFFFF);
    QColor notDoneBG = ColorFromWin(0x000000FF);
    bool holidayColor = true;
    QColor holidayFG = ColorFromWin(0);
    QColor holidayBG = ColorFromWin(0x0000FFFF);
    bool monthColor = false;
    QColor monthBG = ColorFromWin(0x0000FF00);
    bool sunday = true;
    int rowHeight = 16;
    QFont calFont;
    QFont gridFont;
    QFont titleFont;
    bool playAlarm = true;
    bool newTaskAlarm = true;
    int alarmMin = 0;
    bool sysSound = false;
    bool playAlarmSound = true;
    QString alarmPath;
    bool repeatAlarm = true;
    bool hourChime = true;
    bool halfChime = true;
    QString category;
    bool confirm = true;
    bool dragConfirm = true;
    bool autoStart = false;
    bool popup = true;
    bool exitF4 = true;
    bool iconDay = true;
    QString firstTime = QStringLiteral("000");
    // The start-up entry exists (checked on every load until the settings were first saved).
    bool startup = false;

    static constexpr int MinRowHeight = 8;
    static constexpr int MaxRowHeight = 50;
    static constexpr int MinAlarmMin = 0;
    static constexpr int MaxAlarmMin = 120;

    // Reads every value from the settings store (missing or unreadable values give the
    // defaults above; numbers outside their range are brought into it); alarmPath
    // defaults to alarm.wav in the application folder.
    void load();
    // Writes every value and then writes or removes the start-up entry. When the first
    // write fails the user is told that the settings cannot be stored, and saving goes on.
    void save();
};

// The text shown when the settings cannot be written.
extern const char* const kSettingsWriteFailedText;

// Reads a font group (Name, Size, Bold, Italic, Under, Strike) of the Options section.
QFont ReadFontGroup(const QString& prefix, const QString& defName, int defSize);
void WriteFontGroup(const QString& prefix, const QFont& font);

// The print font of the lists ("PrintFont" group; Arial 10 when never saved).
QFont ReadPrintFont();
void SavePrintFont(const QFont& font);

// Title labels: shadow depth 4 in blue with shadows on, depth 1 in navy with them off.
int TitleShadowDepth(bool shadows);
QColor TitleColor(bool shadows);

// The options every window of this run reads.
ProgramOptions& Options();
