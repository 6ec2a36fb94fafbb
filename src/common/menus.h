#pragma once
// Menu items and buttons named after their commands, so a running window can be driven by name.

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;
class QPushButton;
class QWidget;

QAction* MenuItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& keys = {});

// A button that is not a default button unless made one; the hint becomes its tool tip.
QPushButton* PushButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint = {});
