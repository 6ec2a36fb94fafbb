#pragma once
// Memory of window layouts. The main window keeps two layouts: "Memorize", written at
// every exit and restored at every start, and "MemorizeMe", which the user stores and
// brings back from the Resize menu. Other windows keep their position and size through
// form-state entries. Everything here works on plain numbers: the windows pass their
// geometry in and apply what comes back.

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

// The main window's layout, in pixels. top/left/width/height are the window's bounds as
// move() and resize() take them; the three panel sizes are the width of the calendar
// column pnlCalendars, the height of the to-do pane pnlTodo and of the notes pane pnlMemo.
struct ScreenLayout {
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
    int split1Pos = 0;
    int split2Pos = 0;
    int splitDay = 0;
};

struct WindowPlacement {
    bool maximized = false;  // when set, maximise and ignore the bounds
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
};

struct PanelSizes {
    int split1Pos = 0;
    int split2Pos = 0;
    int splitDay = 0;
};

namespace LayoutMemory {
extern const char* const kNotMemorizedText;  // "Screen has not yet been memorized"
extern const char* const kConfirmText;       // "Really memorize current screen positions?"

// "MemorizeMe" for the user's layout, "Memorize" for the automatic one.
QString subkey(bool byUser);

// Stores the layout. The user is asked first and a No stores nothing; false then.
bool MemorizeScreen(bool byUser, const ScreenLayout& layout);

// First step of restoring: where the window goes. Nothing when no layout was stored
// (the user is told so when byUser). Missing values take defaults from the whole screen:
// 60 pixels smaller than it each way, centred.
std::optional<WindowPlacement> RecoverScreenSize(bool byUser, const QSize& screen);

// Second step, once the window has its new size: the three panel sizes. Missing values
// take defaults from the window's size and its client height (the window less its menu
// and frame).
PanelSizes RecoverPanelSizes(bool byUser, const QSize& window, int clientHeight);
}  // namespace LayoutMemory

// One remembered property of a window: "component;property;key;value name;default;1",
// the key relative to the user's hive. The component is the window itself (by its own
// name) or one of its controls.
struct FormStateEntry {
    QString component;
    QString property;
    QString key;
    QString valueName;
    QString defaultValue;

    // Nothing when the text has fewer than five fields.
    static std::optional<FormStateEntry> parse(const QString& text);
    QString text() const;
};

// The program key as form-state entries name it.
extern const char* const kProgramKey;  // Software\Brellwick Corporation\Calvora

// The entries of the windows that remember their bounds.
QStringList FilterFormState();        // frmFilter
QStringList YearFormState();          // frmYear
QStringList AbbreviationFormState();  // frmAbbreviation

// The text the entry's property takes on restore: the stored value, or the default when
// none is stored. Nothing when the key lies outside the program key.
std::optional<QString> ReadFormStateValue(const FormStateEntry& entry);
// Stores a property's current value as text; false when it could not be stored.
bool WriteFormStateValue(const FormStateEntry& entry, const QString& value);
