#include "link_label.h"

#include "arial.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

namespace zefnaro {

namespace {

class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        const QString own = QAccessibleWidget::text(t);
        if (!own.isEmpty()) return own;
        if (t == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        if (t == QAccessible::Description) return widget()->toolTip();
        return own;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) QMetaObject::invokeMethod(widget(), "clicked");
    }
};

QAccessibleInterface* linkAccessible(const QString& className, QObject* object) {
    if ((className == QLatin1String("zefnaro::LinkLabel") ||
         className == QLatin1String("zefnaro::ClickableImage")) &&
        object && object->isWidgetType())
        return new LinkAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void registerLinkAccessible() {
    static const bool registered = [] {
        QAccessible::installFactory(linkAccessible);
        return true;
    }();
    (void)registered;
}

} // namespace

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    registerLinkAccessible();
    QFont font = arialFont(9, true);
    font.setUnderline(true);
    setFont(font);
    setForegroundRole(QPalette::Link);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    // A link takes the focus only from the keyboard: always show where it is.
    focus.state |= QStyle::State_KeyboardFocusChange;
    focus.rect = contentsRect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

ClickableImage::ClickableImage(QWidget* parent) : QLabel(parent) {
    registerLinkAccessible();
}

void ClickableImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace zefnaro
