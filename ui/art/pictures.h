// The program's pictures, drawn as SVG and rendered at the size they are shown.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace zefnaro {

QPixmap renderPicture(const QString& resource, QSize size);

// The icon of all three windows.
QIcon zefnaroIcon();

} // namespace zefnaro
