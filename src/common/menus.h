#pragma once
// Menu items named after their commands, so a running window can be driven by name.

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;

QAction* MenuItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& keys = {});
