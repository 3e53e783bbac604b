// What the Settings and About windows share: a modeless dialog of fixed size (its
// content's), without minimise and maximise boxes, with the program's icon, Arial
// 8.25 as its font, destroyed when closed and opened centred on the screen.
#pragma once

#include <QColor>
#include <QDialog>

namespace zefnaro {

inline constexpr Qt::WindowFlags fixedWindowFlags =
    Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

void prepareFixedWindow(QDialog& window, const char* name, const QString& title,
                        const QColor& background);

// Fixes the window to its content's size, laid out. Where that is larger than the
// screen (a small screen, a large scale factor), the window shrinks to fit and the
// content scrolls, each control still reachable by Tab.
void fitFixedWindow(QDialog& window, QWidget* content);

} // namespace zefnaro
