#include "report_box.h"

#include "arial.h"
#include "rich_text.h"
#include "report/fonts.h"

#include <QClipboard>
#include <QGuiApplication>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>


namespace zefnaro {

namespace {

QFont baseFont() {
    return arialFont(ReportBox::basePointSize, true);
}

// Qt 6.4's OpenDocument writer reads a run's font only from the older family
// property; without it a saved report would lose its fonts.
void setLegacyFamily(QTextCharFormat& format, const QString& family) {
    format.setProperty(QTextFormat::FontFamily, family);
}

} // namespace

ReportBox::ReportBox(QTextEdit* edit) : edit_(edit) {
    edit_->setReadOnly(true);
    edit_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit_->setAcceptRichText(false);
    edit_->setUndoRedoEnabled(false);
    edit_->document()->setDefaultFont(baseFont());
    QPalette palette = edit_->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Text, Qt::black);
    edit_->setPalette(palette);
    edit_->setAutoFillBackground(true);
}

namespace {

QColor qcolour(const Rgb& c) {
    return QColor(c.red, c.green, c.blue);
}

// A line's characters: the report's bold Arial, then the line's style; the
// families of a Coptic font with their fallbacks.
QTextCharFormat charFormat(const Report& report, const Style& style) {
    QTextCharFormat format;
    format.setFont(baseFont());
    QStringList families;
    for (std::string_view family : fontFamilies(report.family(style.font)))
        families << QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
    format.setFontFamilies(families);
    setLegacyFamily(format, families.first());
    format.setForeground(qcolour(style.colour));
    format.setFontPointSize(style.pointSize);
    if (style.italic) format.setFontItalic(true);
    if (!style.bold) format.setFontWeight(QFont::Normal);
    return format;
}

} // namespace

void ReportBox::setReport(const Report& report) {
    // Through the document, not the editor: the editor would carry the old
    // caret's format over to the new text.
    QTextDocument* doc = edit_->document();
    doc->setDefaultFont(baseFont());
    doc->clear();
    QTextCursor cursor(doc);
    cursor.beginEditBlock();
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    // The line breaks take the report's own style (the first line's), whatever the
    // line before them; saved pages and copies read their paragraphs' style there.
    const QTextCharFormat breaks =
        report.lines.empty() ? QTextCharFormat() : charFormat(report, report.lines[0].style);
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        const Line& line = report.lines[i];
        if (i > 0) cursor.insertBlock(centred, breaks);
        cursor.insertText(QString::fromStdString(line.text), charFormat(report, line.style));
    }
    cursor.endEditBlock();
    edit_->setTextCursor(QTextCursor(doc));
}

QString ReportBox::text() const {
    return edit_->document()->toPlainText();
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

void ReportBox::copySelection() const {
    if (!edit_->textCursor().hasSelection()) return;
    QGuiApplication::clipboard()->setMimeData(clipboardData(edit_->textCursor().selection()));
}

} // namespace zefnaro
