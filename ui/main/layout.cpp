#include "layout.h"

namespace zefnaro {

MainLayout designLayout() {
    return {{120, 720, 9495, 8895}, {120, 9665, 9495, 255}};
}

MainLayout relayout(MainLayout l, float innerWidth, float innerHeight) {
    // The report box's left edge is the margin on every side.
    const float width = innerWidth - 2 * l.report.left;
    if (width >= 0) l.report.width = width;
    const float height = innerHeight - l.report.top - l.report.left - l.status.height;
    if (height >= 0) l.report.height = height;
    l.status.left = l.report.left;
    l.status.width = l.report.width;
    // Centred in the strip between the report box and the bottom edge.
    const float reportBottom = l.report.top + l.report.height;
    l.status.top = (innerHeight - reportBottom) / 2 + reportBottom - l.status.height / 2;
    return l;
}

} // namespace zefnaro
