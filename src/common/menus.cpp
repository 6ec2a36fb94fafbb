#include "common/menus.h"

#include <QAction>
#include <QMenu>

QAction* MenuItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& keys) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
}
