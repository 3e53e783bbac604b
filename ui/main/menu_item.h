// A menu item of the main window: named, with its caption and window shortcut.
#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QMenu;

namespace zefnaro {

QAction* item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut);

} // namespace zefnaro
