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

} // namespace zefnaro
