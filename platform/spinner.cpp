#include "spinner.h"

#include "platform/named.h"
#include <QResizeEvent>
#include <QToolButton>

namespace zefnaro {

namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = named(new QToolButton(parent), name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setAutoRepeatDelay(400);
    button->setAutoRepeatInterval(50);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

Spinner::Spinner(QWidget* parent)
    : QWidget(parent), up_(arrowButton(this, Qt::UpArrow, "up")),
      down_(arrowButton(this, Qt::DownArrow, "down")) {
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void Spinner::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    if (value_ < minimum_)
        setValue(minimum_);
    else if (value_ > maximum_)
        setValue(maximum_);
}

bool Spinner::setValue(int value) {
    if (value < minimum_ || value > maximum_) return false;
    if (value == value_) return true;
    value_ = value;
    emit valueChanged(value_);
    return true;
}

void Spinner::step(int by) {
    // At a limit the arrow does nothing: no wrap from the largest number to 0.
    const long long next = static_cast<long long>(value_) + by;
    if (next >= minimum_ && next <= maximum_) setValue(static_cast<int>(next));
}

void Spinner::resizeEvent(QResizeEvent* event) {
    const int w = event->size().width();
    const int h = event->size().height();
    up_->setGeometry(0, 0, w, h / 2);
    down_->setGeometry(0, h / 2, w, h - h / 2);
}

} // namespace zefnaro
