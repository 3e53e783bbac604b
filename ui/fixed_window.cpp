#include "fixed_window.h"
#include "platform/arial.h"

#include "platform/geometry.h"
#include "ui/art/pictures.h"

#include <QGuiApplication>
#include <QScreen>
#include <QScrollArea>

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

void keepReachable(QDialog& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize room = screen->availableGeometry().size() - QSize(8, 36); // frame, title bar
    const QSize designed = window.size();
    if (designed.width() <= room.width() && designed.height() <= room.height()) return;
    // Too large for this screen: the same controls, in their places, scrolled.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("scrolledContent"));
    content->setFixedSize(designed);
    const auto children = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        const bool hidden = child->isHidden();
        child->setParent(content);
        child->setVisible(!hidden);
    }
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName(QStringLiteral("windowScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    const QSize shown = designed.boundedTo(room);
    window.setFixedSize(shown);
    scroll->setGeometry(QRect(QPoint(0, 0), shown));
    centreOnScreen(window);
}

} // namespace zefnaro
