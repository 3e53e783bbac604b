#include "geometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace zefnaro {

int px(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

void place(QWidget* widget, double left, double top, double width, double height) {
    widget->setGeometry(px(left), px(top), px(width), px(height));
}

QFont arialFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void centreOnScreen(QWidget& widget) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        widget.move(screen->availableGeometry().center() - widget.rect().center());
}

} // namespace zefnaro
