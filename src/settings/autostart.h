#pragma once
// The start-up entry that starts the program with the user's session: a desktop entry in
// the user's autostart folder on Linux desktops, the "Calvora" value of the machine's Run
// key on Windows. Both hold the full path of the running executable.

#include <QString>

// True when the entry exists and names a program.
bool checkAutostart();
// Creates (on) or removes (off) the entry; false when that failed.
bool writeAutostart(bool on);

// Where the desktop entry lives (Linux and other XDG desktops).
QString AutostartEntryPath();
// The desktop entry that starts the given executable.
QString AutostartEntryText(const QString& executable);
