// The windows are designed in twips; on screen they are device-independent
// pixels, 15 twips each (Qt scales them on high-DPI screens).
#pragma once

class QWidget;

namespace zefnaro {

int px(double twips);

// Places a control by its design position and size in twips.
void place(QWidget* widget, double left, double top, double width, double height);

void centreOnScreen(QWidget& widget);

// Keeps a top-level window, frame and title bar included, inside the available
// area of its screen: shrunk where it may be and moved in. Before the window is
// shown its frame is estimated.
void fitOnScreen(QWidget& window);

} // namespace zefnaro
