// A label that acts as a link: underlined, in the highlight colour, with a hand
// pointer; clicking it (or Enter/Space when it has the focus) emits clicked.
#pragma once

#include <QLabel>

namespace zefnaro {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A picture that can be clicked.
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zefnaro
