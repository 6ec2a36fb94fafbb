#include "common/menus.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

QAction* MenuItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& keys) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!keys.isEmpty()) {
        a->setShortcut(keys);
        a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
}

QPushButton* PushButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    return b;
}
