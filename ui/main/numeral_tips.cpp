// The numerals line explained letter by letter: a tip under the mouse, and in the
// status line (told to screen readers) as the caret moves along it.
#include "main_window.h"

#include "report/report.h"

#include <QHelpEvent>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolTip>

namespace zefnaro {

QString MainWindow::numeralTipAt(int position) const {
    const QTextBlock block = reportEdit_->document()->findBlock(position);
    const auto line = static_cast<std::size_t>(block.blockNumber());
    if (!block.isValid() || line >= report_.lines.size() ||
        report_.lines[line].piece != Piece::numerals)
        return {};
    // Coptic letters and marks are all in the Basic Multilingual Plane: one
    // UTF-16 unit is one code point.
    const auto character = static_cast<std::size_t>(position - block.position());
    return QString::fromStdString(explainNumeralAt(report_, character));
}

bool MainWindow::showNumeralTip(QEvent* event) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const int position = reportEdit_->cursorForPosition(help->pos()).position();
    // The caret position nearest the mouse: the letter under it is the one
    // before when the mouse is left of that position.
    QTextCursor at(reportEdit_->document());
    at.setPosition(position);
    const bool leftOfCaret = help->pos().x() < reportEdit_->cursorRect(at).x();
    const QString tip = numeralTipAt(leftOfCaret ? position - 1 : position);
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), tip, reportEdit_->viewport());
    return true;
}

void MainWindow::tellNumeralAtCaret() {
    if (!reportEdit_->hasFocus()) return;
    const QTextCursor caret = reportEdit_->textCursor();
    QString tip = numeralTipAt(caret.position());
    if (tip.isEmpty() && caret.position() > 0) tip = numeralTipAt(caret.position() - 1); // at the end
    if (!tip.isEmpty()) showStatusMessage(tip);
}

} // namespace zefnaro
