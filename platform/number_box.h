// The number entry box: a QLineEdit that takes only digits and Backspace from the
// keyboard (Enter is announced instead of inserted), leaves Ctrl+C, Ctrl+A and
// Ctrl+V to the window's menu, announces pasted and dropped text instead of taking
// it, asks for the number to be stepped by the arrow and page keys, and puts the
// caret at 0 when code assigns it a new text.
#pragma once

#include <QLineEdit>

namespace zefnaro {

class NumberBox : public QLineEdit {
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr);

    // Assigns a text: only a different text changes the box (textChanged fires
    // before this returns) and then the caret stands at 0.
    void setNumberText(const QString& text);

    int selStart() const; // start of the selection, else the caret
    int selLength() const;

signals:
    void enterPressed();
    void focusGained();
    void pasteRequested();                 // the context menu's Paste, or a paste key
    void stepRequested(int by);            // Up/Down (1), Page Up/Page Down (1,000)
    void textDropped(const QString& text); // text dropped onto the box
    void refused();                        // a digit typed into a full box

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void flash();
};

// Selects the whole text of a line edit; an empty one is left alone.
void selectAllText(QLineEdit& box);

} // namespace zefnaro
