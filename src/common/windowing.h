#pragma once
// Bringing a window to the front.

class QWidget;

// Restores the window when minimised, raises and activates it; true when it ends up the
// active window.
bool ForceForegroundWindow(QWidget* window);
