#include "arial.h"

namespace zefnaro {

QFont arialFont(double points, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace zefnaro
