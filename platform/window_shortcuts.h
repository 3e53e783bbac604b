// Lets the window's menu shortcuts Ctrl+C, Ctrl+A and Ctrl+V win over a text
// control that would otherwise claim them as its own copy, select-all and paste.
#pragma once

#include <QObject>

namespace zefnaro {

class WindowShortcutsFirst : public QObject {
public:
    using QObject::QObject;
    // Installs a filter owned by the widget itself.
    static void install(QObject* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace zefnaro
