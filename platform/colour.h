// The report's colours as Qt's.
#pragma once

#include "report/styles.h"

#include <QColor>

namespace zefnaro {

inline QColor qColour(const Rgb& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace zefnaro
