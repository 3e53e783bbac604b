// A label that acts as a link: underlined, in the palette's link colour, with a
// hand pointer and a focus frame; clicking it (or Enter/Space when it has the
// focus) emits clicked. Screen readers see it as a link they can press.
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
    void paintEvent(QPaintEvent* event) override;
};

// A picture that can be clicked; screen readers see it as a link.
class ClickableImage : public QLabel {
    Q_OBJECT
public:
    explicit ClickableImage(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace zefnaro
