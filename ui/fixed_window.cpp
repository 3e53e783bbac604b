#include "fixed_window.h"

#include "platform/geometry.h"
#include "ui/art/pictures.h"

namespace zefnaro {

void prepareFixedWindow(QDialog& window, const char* name, const QString& title, QSize size,
                        const QColor& background) {
    window.setObjectName(QString::fromLatin1(name));
    window.setWindowTitle(title);
    window.setWindowIcon(zefnaroIcon());
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setModal(false);
    window.setFont(arialFont(8.25, false));
    // A window that paints its own light background sets its own dark text too, so
    // that it reads the same under any theme.
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Link, QColor(0, 0, 192));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFixedSize(size);
    centreOnScreen(window);
}

} // namespace zefnaro
