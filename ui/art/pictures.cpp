#include "pictures.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures live in a static library, whose resources are only registered
// when asked for by name.
static void registerArt() {
    Q_INIT_RESOURCE(art);
}

namespace zefnaro {

QPixmap renderPicture(const QString& resource, QSize size) {
    static const bool registered = (registerArt(), true);
    Q_UNUSED(registered);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QSvgRenderer svg(resource);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    return pixmap;
}

QIcon zefnaroIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(renderPicture(QStringLiteral(":/art/icon.svg"), QSize(side, side)));
    return icon;
}

} // namespace zefnaro
