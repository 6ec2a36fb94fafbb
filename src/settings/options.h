#pragma once
// The "Program Options" window. Created once at start and kept for the whole run, it
// edits the live options (Options()) in place: every change reaches the options at once,
// and the changes the main window must show while the window is open are announced by
// the signals below. OK also stores the options; Cancel stores nothing but leaves the
// changes in effect until the program ends.

#include <QDialog>
#include <functional>

class ColorPanel;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TitleLabel;

class TfrmOptions : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 400;

    // Reads the stored options into Options() and the controls.
    explicit TfrmOptions(QWidget* parent = nullptr);

    // Reads the stored options into Options() and the controls, then announces the two
    // font changes.
    void ReadSettings();
    // Stores Options() and writes or removes the start-up entry.
    void SaveSettings();

    // Shows the controls as Options() stands (others may have changed it), runs the
    // enabling rules and fills the default-category list from category.xxx.
    void FormShow();

    // Enabling by tag: controls tagged above 98 follow "&Enable alarms?", those above 198
    // follow "Play sound file (requires speakers)?".
    void enableAlarmControls();
    void enableSoundFileControls();

    // Announce the font buttons' fonts to the main window.
    void ChangeCalFonts();
    void ChangeGridFonts();

    // Starts (play) or stops the alarm sound: the system sound when chosen, a WAV file
    // played by the program (looping when repeat), or any other file handed to the
    // desktop's player. A blank or missing file falls back to the file of edPath.
    void playAlarmSound(const QString& file, bool play, bool repeat);

    // Chooses a sound file, changing the name given; false when cancelled. Without one,
    // "&Browse" offers a file dialog.
    void setSoundFileChooser(std::function<bool(QString&)> chooser) { m_soundFileChooser = std::move(chooser); }
    // Opens a help topic; "&Help" shows only once there is one.
    void setHelpHandler(std::function<void(int context)> handler);

    QTabWidget* PageControl1;
    QWidget* TabSheet1;
    QWidget* TabSheet2;
    QWidget* TabSheet3;

    // Screen Appearance
    QCheckBox* cbShadow;
    TitleLabel* lblTitle;
    QCheckBox* cbStrikeout;
    QCheckBox* cbFlyBy;
    ColorPanel* pnlHint;
    QCheckBox* cbColorDone;
    ColorPanel* pnlDone;
    QCheckBox* cbColorNotDone;
    ColorPanel* pnlNotDone;
    QCheckBox* cbHoliday;
    ColorPanel* pnlHoliday;
    QCheckBox* cbCurrentMonth;
    ColorPanel* pnlMonth;
    QRadioButton* rbSun;
    QRadioButton* rbMon;
    QPushButton* btCalFont;
    QPushButton* btGridFont;
    QPushButton* btHeader;
    QSpinBox* edRowHeight;

    // Alarm settings
    QCheckBox* cbAlarm;
    QCheckBox* cbNewTasks;
    QSpinBox* edMin;
    QRadioButton* rbSystemSound;
    QRadioButton* rbPlayAlarmSound;
    QLineEdit* edPath;
    QPushButton* btAlarmBrowse;
    QPushButton* btTest;
    QCheckBox* cbRepeat;
    QCheckBox* cbHourChime;
    QPushButton* btTestHour;
    QCheckBox* cbHalfChime;
    QPushButton* btHalfTest;

    // Miscellaneous
    QComboBox* cbCategory;
    QCheckBox* cbConfirm;
    QCheckBox* cbDragConfirm;
    QCheckBox* cbStartInTray;
    QCheckBox* cbStartup;
    QCheckBox* cbPopup;
    QRadioButton* rbExit;
    QRadioButton* rbMinimize;
    QCheckBox* cbIconDay;
    QLabel* imgIcon;

    QPushButton* btOK;
    QPushButton* btCancel;
    QPushButton* btHelp;

signals:
    // The live changes while the window is open; each names what the main window does.
    // "Use Sh&adows on Title captions?": ApplySettings(shadows).
    void shadowsChanged(bool shadows);
    // "&Strike-out done events?" (only while the window shows): recolour the calendars and
    // show the selected day again.
    void strikeOutChanged();
    // Done, not-done and holiday switches and colours: recolour all calendars (and give
    // the filter window's two panels the done and not-done colours).
    void dayColorsChanged();
    // "Current month" switch and colour: recolour all calendars as if "Current month"
    // were on, then, when it is off, give the four calendars the button-face background.
    void monthColorChanged();
    // "Fly-by Hint Color": the hints take hintBG and hintFG.
    void hintColorsChanged();
    // The calendar font (ChangeCalFonts) and the grid font (ChangeGridFonts).
    void changeCalFonts();
    void changeGridFonts();
    // "Height of grid row:": both task grids take the new row height.
    void rowHeightChanged();
    // "Test hour chime" (true, false) and "Test half hour chime" (false, true).
    void chimeTestRequested(bool testHour, bool testHalf);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool chooseFont(QFont& option, QPushButton* button);
    void buildAppearancePage();
    void buildAlarmPage();
    void buildMiscPage();
    void connectControls();
    void showOptions();
    void fillCategories();
    void drawTrayIconSample();
    void editDayColors(ColorPanel* panel, const QString& caption, QColor& fg, QColor& bg);
    void pnlMonthClick();
    void pnlHintClick();
    void btCalFontClick();
    void btGridFontClick();
    void btHeaderClick();
    void btTestClick();
    void btAlarmBrowseClick();
    void btOKClick();

    bool m_loading = false;
    std::function<bool(QString&)> m_soundFileChooser;
    std::function<void(int)> m_helpHandler;
};
