#include "menu_item.h"

#include <QAction>
#include <QMenu>

namespace zefnaro {

QAction* item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace zefnaro
