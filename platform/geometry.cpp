#include "geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zefnaro {

void centreOnScreen(QWidget& widget) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        widget.move(screen->availableGeometry().center() - widget.rect().center());
    fitOnScreen(widget);
}

void fitOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QMargins frame(4, 32, 4, 4); // a usual title bar and border, until the real one is known
    if (window.isVisible() && window.frameGeometry() != window.geometry())
        frame = QMargins(window.geometry().left() - window.frameGeometry().left(),
                         window.geometry().top() - window.frameGeometry().top(),
                         window.frameGeometry().right() - window.geometry().right(),
                         window.frameGeometry().bottom() - window.geometry().bottom());
    const QSize room(area.width() - frame.left() - frame.right(),
                     area.height() - frame.top() - frame.bottom());
    const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());
    if (size != window.size()) window.resize(size);
    // move() places a window by its frame's corner.
    const QSize outer(size.width() + frame.left() + frame.right(),
                      size.height() + frame.top() + frame.bottom());
    const int left = std::clamp(window.x(), area.left(),
                                std::max(area.left(), area.right() + 1 - outer.width()));
    const int top = std::clamp(window.y(), area.top(),
                               std::max(area.top(), area.bottom() + 1 - outer.height()));
    if (QPoint(left, top) != window.pos()) window.move(left, top);
}

} // namespace zefnaro
