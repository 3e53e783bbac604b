// The numerals line explained letter by letter, in the status line (told to screen
// readers) as the caret moves along it; the report box shows the mouse's tip.
#include "main_window.h"

#include <QTextEdit>

namespace zefnaro {

void MainWindow::tellNumeralAtCaret() {
    if (!reportEdit_->hasFocus()) return;
    const QTextCursor caret = reportEdit_->textCursor();
    QString tip = reportBox_.numeralTipAt(caret.position());
    if (tip.isEmpty() && caret.position() > 0) tip = reportBox_.numeralTipAt(caret.position() - 1); // at the end
    if (!tip.isEmpty()) showStatusMessage(tip);
}

} // namespace zefnaro
