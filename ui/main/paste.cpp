// The main window's paste and drop: a written number in any form the report
// writes becomes its digits in the entry box.
#include "main_window.h"

#include "platform/number_box.h"
#include "report/report.h"
#include "ui/window_language.h"
#include "ui/settings/settings_window.h"

#include <QDragEnterEvent>
#include <QAccessible>
#include <QDropEvent>
#include <QLabel>
#include <QTimer>
#include <QMimeData>

namespace zefnaro {

void MainWindow::pasteText(const QString& text) {
    const ReadResult read = readPasted(text.toStdString(), currentLanguage()); // its reason in the window's language
    if (!read.ok()) {
        // Not a written number: into the box as it is, read there the lenient way,
        // and the reader's reason where the user looks.
        numberBox_->insert(text);
        showStatusMessage(tr("Pasted text is no written number: %1")
                              .arg(QString::fromStdString(read.error.message)));
        return;
    }
    DisplaySettings shown = settings_;
    if (read.reading.form.ordinal()) shown.form.kind = Kind::ordinal;
    if (read.reading.form.feminine()) shown.form.gender = Gender::feminine;
    const bool formChanged = !(shown == settings_);
    settings_ = shown;
    if (formChanged && settingsWindow_) settingsWindow_->showSettings(shown);
    const QString digits = QString::number(read.reading.number);
    if (numberBox_->text() != digits)
        numberBox_->setNumberText(digits); // the spinner and the report follow
    else if (formChanged)
        recompute();
    numberBox_->setCursorPosition(static_cast<int>(digits.size()));
    // The form followed the text: said, so that it does not change unseen.
    if (formChanged)
        // The form named whole, as each language says it: "ordinal, feminine",
        // العدد الترتيبي المؤنث.
        showStatusMessage(tr("Now showing %1 forms, as the pasted text is written")
                              .arg(shown.form.ordinal() ? (shown.form.masculine() ? tr("ordinal, masculine")
                                                                                  : tr("ordinal, feminine"))
                                                        : (shown.form.masculine() ? tr("cardinal, masculine")
                                                                                  : tr("cardinal, feminine"))));
}

void MainWindow::showStatusMessage(const QString& message) {
    statusLabel_->setText(QLatin1Char(' ') + message);
    statusLabel_->setToolTip(message);
    QAccessibleEvent alert(statusLabel_, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    statusMessageTimer_->start();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    if (!event->mimeData()->hasText()) return;
    event->acceptProposedAction();
    pasteText(event->mimeData()->text());
}

} // namespace zefnaro
