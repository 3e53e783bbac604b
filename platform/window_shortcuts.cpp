#include "window_shortcuts.h"

#include <QKeyEvent>

namespace zefnaro {

void WindowShortcutsFirst::install(QObject* widget) {
    widget->installEventFilter(new WindowShortcutsFirst(widget));
}

bool WindowShortcutsFirst::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll) ||
            key->matches(QKeySequence::Paste)) {
            event->ignore(); // not claimed: the shortcut goes to the window
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zefnaro
