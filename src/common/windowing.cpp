#include "common/windowing.h"

#include <QApplication>
#include <QWidget>

bool ForceForegroundWindow(QWidget* window) {
    if (!window) return false;
    if (window->isMinimized()) window->showNormal();
    if (!window->isVisible()) window->show();
    if (window->isActiveWindow()) return true;
    window->raise();
    window->activateWindow();
    return window->isActiveWindow();
}
