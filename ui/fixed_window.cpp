#include "fixed_window.h"

#include "platform/named.h"
#include "platform/arial.h"
#include "platform/geometry.h"
#include "ui/art/pictures.h"

#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace zefnaro {

void prepareFixedWindow(QDialog& window, const char* name, const QString& title,
                        const QColor& background) {
    named(&window, name);
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
}

void fitFixedWindow(QDialog& window, QWidget* content) {
    content->layout()->activate();
    QSize size = content->sizeHint();
    // Wrapped texts are as tall as the width they are given makes them.
    if (content->hasHeightForWidth()) size.setHeight(content->heightForWidth(size.width()));
    content->setFixedSize(size);
    auto* frame = new QVBoxLayout(&window);
    frame->setContentsMargins(0, 0, 0, 0);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize room = screen ? screen->availableGeometry().size() - QSize(8, 36) // frame, title bar
                              : size;
    if (size.width() <= room.width() && size.height() <= room.height()) {
        frame->addWidget(content);
        window.setFixedSize(size);
    } else {
        auto* scroll = new QScrollArea(&window);
        scroll->setObjectName(QStringLiteral("windowScroll"));
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(content);
        frame->addWidget(scroll);
        window.setFixedSize(size.boundedTo(room));
    }
    centreOnScreen(window);
}

} // namespace zefnaro
