#include "menu_item.h"

#include "platform/named.h"
#include <QAction>
#include <QMenu>

namespace zefnaro {

QAction* item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut) {
    QAction* action = named(menu->addAction(caption), name);
    action->setShortcut(shortcut);
    action->setShortcutContext(Qt::WindowShortcut);
    return action;
}

} // namespace zefnaro
