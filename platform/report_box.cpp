#include "report_box.h"

#include "platform/colour.h"
#include "report_document.h"
#include "export/html.h"
#include "export/rtf.h"
#include "export/text.h"

#include <QClipboard>
#include <QHelpEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolTip>

namespace zefnaro {

ReportBox::ReportBox(QTextEdit* edit) : edit_(edit) {
    edit_->setReadOnly(true);
    edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit_->setAcceptRichText(false);
    edit_->setUndoRedoEnabled(false);
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Base,
                     qColour(colours::background));
    palette.setColor(QPalette::Text, Qt::black);
    edit_->setPalette(palette);
    edit_->setAutoFillBackground(true);
    fillDocument(*edit_->document(), report_);
}

void ReportBox::setReport(const Report& report) {
    report_ = report;
    // Through the document, not the editor: the editor would carry the old
    // caret's format over to the new text.
    fillDocument(*edit_->document(), report_);
    edit_->setTextCursor(QTextCursor(edit_->document()));
}

QString ReportBox::numeralTipAt(int position) const {
    const QTextBlock block = edit_->document()->findBlock(position);
    const auto line = static_cast<std::size_t>(block.blockNumber());
    if (!block.isValid() || line >= report_.lines.size() || report_.lines[line].piece != Piece::numerals)
        return {};
    // Coptic letters and marks are all in the Basic Multilingual Plane: one
    // UTF-16 unit is one code point.
    const auto character = static_cast<std::size_t>(position - block.position());
    return QString::fromStdString(explainNumeralAt(report_, character));
}

bool ReportBox::showNumeralTip(QHelpEvent* help) const {
    const int position = edit_->cursorForPosition(help->pos()).position();
    // The caret position nearest the mouse: the letter under it is the one
    // before when the mouse is left of that position.
    QTextCursor at(edit_->document());
    at.setPosition(position);
    const bool leftOfCaret = help->pos().x() < edit_->cursorRect(at).x();
    const QString tip = numeralTipAt(leftOfCaret ? position - 1 : position);
    if (tip.isEmpty()) {
        QToolTip::hideText();
        help->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), tip, edit_->viewport());
    return true;
}

QString ReportBox::text() const {
    return QString::fromStdString(plainText(report_));
}

void ReportBox::selectAll() {
    QTextCursor cursor(edit_->document());
    cursor.select(QTextCursor::Document);
    edit_->setTextCursor(cursor);
}

void ReportBox::clearSelection() {
    edit_->setTextCursor(QTextCursor(edit_->document()));
}

bool ReportBox::isWholeSelected() const {
    const QTextCursor cursor = edit_->textCursor();
    return cursor.selectionStart() == 0 &&
           cursor.selectionEnd() == edit_->document()->characterCount() - 1;
}

Report ReportBox::selected() const {
    const QTextCursor cursor = edit_->textCursor();
    // A document position as a line of the report and a byte of its text.
    const auto spot = [&](int position) {
        const QTextBlock block = edit_->document()->findBlock(position);
        const auto inLine = block.text().left(position - block.position()).toUtf8().size();
        return ReportSpot{static_cast<std::size_t>(block.blockNumber()), static_cast<std::size_t>(inLine)};
    };
    return excerpt(report_, spot(cursor.selectionStart()), spot(cursor.selectionEnd()));
}

QMimeData* mimeDataOf(const Report& report) {
    auto* data = new QMimeData;
    data->setHtml(QString::fromStdString(reportPage(report, reportTitle(report))));
    data->setText(QString::fromStdString(plainText(report)));
    const std::string rtf = reportRtf(report);
    data->setData(QStringLiteral("text/rtf"), QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
    return data;
}

void ReportBox::copySelection() const {
    if (!edit_->textCursor().hasSelection()) return;
    QGuiApplication::clipboard()->setMimeData(mimeDataOf(selected()));
}

} // namespace zefnaro
