#include "no_typing.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>

namespace zefnaro {

void NoTyping::install(QComboBox* combo) {
    auto* filter = new NoTyping(combo);
    combo->installEventFilter(filter);
    combo->view()->installEventFilter(filter);
}

bool NoTyping::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool character = !key->text().isEmpty() && key->text()[0].isPrint();
        if (character || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Delete)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zefnaro
