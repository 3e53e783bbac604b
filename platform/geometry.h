// Keeping top-level windows on their screen.
#pragma once

class QWidget;

namespace zefnaro {

void centreOnScreen(QWidget& widget);

// Keeps a top-level window, frame and title bar included, inside the available
// area of its screen: shrunk where it may be and moved in. Before the window is
// shown its frame is estimated.
void fitOnScreen(QWidget& window);

} // namespace zefnaro
