// What the Settings and About windows share: a modeless dialog of fixed size,
// without minimise and maximise boxes, with the program's icon, Arial 8.25 as its
// font, destroyed when closed and opened centred on the screen.
#pragma once

#include <QColor>
#include <QDialog>

namespace zefnaro {

inline constexpr Qt::WindowFlags fixedWindowFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

void prepareFixedWindow(QDialog& window, const char* name, const QString& title, QSize size,
                        const QColor& background);

// Where the window is larger than the screen (a small screen, a large scale
// factor), it shrinks to fit and its controls scroll, each still reachable by Tab.
// Called once its controls are in place.
void keepReachable(QDialog& window);

} // namespace zefnaro
