#include "number_box.h"

#include "window_shortcuts.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QApplication>
#include <QTimer>
#include <QMenu>
#include <QMimeData>

namespace zefnaro {

namespace {

// Editing keys that would change the text without typing a digit.
bool isEditingShortcut(const QKeyEvent* key) {
    return key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Undo) ||
           key->matches(QKeySequence::Redo) || key->matches(QKeySequence::DeleteEndOfLine) ||
           key->matches(QKeySequence::DeleteStartOfWord) ||
           key->matches(QKeySequence::DeleteEndOfWord) ||
           key->matches(QKeySequence::DeleteCompleteLine);
}

} // namespace

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(9);
    // Ctrl+C and Ctrl+A copy the report, not the number.
    WindowShortcutsFirst::install(this);
}

void NumberBox::setNumberText(const QString& text) {
    if (text.left(maxLength()) == this->text()) return;
    setText(text);
    setCursorPosition(0);
}

int NumberBox::selStart() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

int NumberBox::selLength() const {
    return static_cast<int>(selectedText().size());
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        emit enterPressed();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        emit pasteRequested();
        event->accept();
        return;
    }
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        const int by = key == Qt::Key_Up         ? 1
                       : key == Qt::Key_Down     ? -1
                       : key == Qt::Key_PageUp   ? 1000
                       : key == Qt::Key_PageDown ? -1000
                                                 : 0;
        if (by != 0) {
            emit stepRequested(by);
            event->accept();
            return;
        }
    }
    if (key == Qt::Key_Backspace) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const Qt::KeyboardModifiers held =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    QString text = event->text();
    // An Arabic keyboard types Arabic-Indic (٠–٩) or Persian (۰–۹) digits: the box
    // holds them as the digits they are.
    if (text.size() == 1 && ((text[0] >= u'\u0660' && text[0] <= u'\u0669') ||
                             (text[0] >= u'\u06F0' && text[0] <= u'\u06F9')))
        text = QChar(u'0' + (text[0].unicode() & 0x0F));
    const bool digit = text.size() == 1 && text[0] >= u'0' && text[0] <= u'9' && !held;
    if (digit) {
        // Full: the digit has no room, and the box says so as desktop boxes do.
        if (text.size() + this->text().size() > maxLength() && !hasSelectedText()) {
            event->accept();
            flash();
            emit refused();
            return;
        }
        insert(text);
        event->accept();
        return;
    }
    // Any other character (letters, blanks, signs, Ctrl+V, Ctrl+X ...) is
    // discarded; keys that type nothing (arrows, Home, Delete, Tab) keep working.
    const bool typesSomething = !text.isEmpty() && (text[0].isPrint() || held);
    if (typesSomething || isEditingShortcut(event) ||
        (held.testFlag(Qt::ControlModifier) && key < 0x01000000)) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumberBox::flash() {
    QApplication::beep();
    if (property("flashing").toBool()) return;
    const QPalette normal = palette();
    QPalette lit = normal;
    lit.setColor(QPalette::Base, normal.color(QPalette::Highlight).lighter(170));
    setPalette(lit);
    setProperty("flashing", true);
    QTimer::singleShot(200, this, [this, normal] {
        setPalette(normal);
        setProperty("flashing", false);
    });
}

void NumberBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit focusGained();
}

void NumberBox::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // Paste reads the text as a written number, as the window's Paste does.
    for (QAction* action : menu->actions()) {
        if (action->objectName() != QLatin1String("edit-paste") &&
            !action->text().startsWith(tr("&Paste")))
            continue;
        disconnect(action, &QAction::triggered, nullptr, nullptr);
        connect(action, &QAction::triggered, this, &NumberBox::pasteRequested);
    }
    menu->popup(event->globalPos());
}

void NumberBox::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    emit textDropped(event->mimeData()->text());
}

void selectAllText(QLineEdit& box) {
    if (box.text().isEmpty()) return;
    box.setSelection(0, static_cast<int>(box.text().size()));
}

} // namespace zefnaro
