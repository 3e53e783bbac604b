// Keeps typed characters out of a list control (and its pop-up list), including
// the jump to an entry by its first letter; arrow keys and the mouse still choose.
#pragma once

#include <QObject>

class QComboBox;

namespace zefnaro {

class NoTyping : public QObject {
public:
    using QObject::QObject;
    static void install(QComboBox* combo);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zefnaro
