// An up/down spinner: two stacked arrow buttons holding a whole-number value.
// The value changes by one per press (holding an arrow repeats) and never leaves
// its range; valueChanged fires at once, and only when the value really changes.
#pragma once

#include <QWidget>

class QToolButton;

namespace zefnaro {

class Spinner : public QWidget {
    Q_OBJECT
public:
    explicit Spinner(QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setRange(int minimum, int maximum);

    // Refuses a value outside the range (returns false) without disturbing the
    // caller; a different value in range is taken and announced.
    bool setValue(int value);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

signals:
    void valueChanged(int value);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int by);

    QToolButton* up_;
    QToolButton* down_;
    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
};

} // namespace zefnaro
