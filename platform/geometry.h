// The windows are designed in twips; on screen they are device-independent
// pixels, 15 twips each (Qt scales them on high-DPI screens).
#pragma once

#include <QFont>

class QWidget;

namespace zefnaro {

int px(double twips);

// Places a control by its design position and size in twips.
void place(QWidget* widget, double left, double top, double width, double height);

QFont arialFont(double points, bool bold);

void centreOnScreen(QWidget& widget);

} // namespace zefnaro
