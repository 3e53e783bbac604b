#include "report_box.h"

#include "geometry.h"
#include "rich_text.h"

#include <QClipboard>
#include <QGuiApplication>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include <algorithm>
#include <memory>

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

ReportBox::~ReportBox() = default;

void ReportBox::setText(const QString& text) {
    breaks_.clear();
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            breaks_.push_back(static_cast<int>(i));
            continue;
        }
        plain.append(text[i]);
    }
    length_ = static_cast<int>(text.size());
    // Through the document, not the editor: the editor would carry the old
    // caret's format over to the whole new text.
    QTextDocument* doc = edit_->document();
    doc->setDefaultFont(baseFont());
    doc->setPlainText(plain);
    // The base font goes on the characters too, so that copies keep the weight.
    QTextCursor all(doc);
    all.select(QTextCursor::Document);
    QTextCharFormat base;
    base.setFont(baseFont());
    setLegacyFamily(base, baseFont().family());
    all.setCharFormat(base);
    edit_->setTextCursor(QTextCursor(doc));
    edit_->setCurrentCharFormat(base);
}

QString ReportBox::text() const {
    QString plain = edit_->document()->toPlainText();
    plain.replace(u'\n', QStringLiteral("\r\n"));
    return plain;
}

int ReportBox::length() const {
    return length_;
}

int ReportBox::toDocument(int position) const {
    position = std::clamp(position, 0, length_);
    int doc = position;
    for (int b : breaks_) {
        if (b + 2 <= position)
            --doc; // the whole pair lies before
        else if (b + 1 == position)
            --doc; // between CR and LF: at the break
        else
            break;
    }
    return doc;
}

int ReportBox::toReport(int documentPosition) const {
    int report = documentPosition;
    for (std::size_t k = 0; k < breaks_.size(); ++k) {
        const int docBreak = breaks_[k] - static_cast<int>(k);
        if (docBreak < documentPosition)
            ++report;
        else
            break;
    }
    return report;
}

void ReportBox::setSelStart(int position) {
    QTextCursor cursor(edit_->document());
    cursor.setPosition(toDocument(position));
    edit_->setTextCursor(cursor);
}

void ReportBox::setSelLength(int length) {
    QTextCursor cursor = edit_->textCursor();
    const int start = toReport(cursor.selectionStart());
    const int end = std::clamp(start + std::max(length, 0), 0, length_);
    cursor.setPosition(toDocument(start));
    cursor.setPosition(toDocument(end), QTextCursor::KeepAnchor);
    edit_->setTextCursor(cursor);
}

int ReportBox::selStart() const {
    return toReport(edit_->textCursor().selectionStart());
}

int ReportBox::selLength() const {
    const QTextCursor cursor = edit_->textCursor();
    return toReport(cursor.selectionEnd()) - toReport(cursor.selectionStart());
}

QTextCursor ReportBox::selection() const {
    return edit_->textCursor();
}

void ReportBox::setSelColour(const QColor& colour) {
    QTextCharFormat format;
    format.setForeground(colour);
    selection().mergeCharFormat(format);
}

void ReportBox::setSelFont(const QStringList& families) {
    if (families.isEmpty()) return;
    QTextCharFormat format;
    format.setFontFamilies(families);
    setLegacyFamily(format, families.first());
    selection().mergeCharFormat(format);
}

void ReportBox::setSelPointSize(double points) {
    if (!(points > 0)) return; // a size the box cannot take is refused
    QTextCharFormat format;
    format.setFontPointSize(points);
    selection().mergeCharFormat(format);
}

void ReportBox::setSelCentred() {
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    selection().mergeBlockFormat(format);
}

void ReportBox::setSelEmphasis() {
    QTextCharFormat format;
    format.setFontItalic(true);
    selection().mergeCharFormat(format);
}

void ReportBox::setSelRegularWeight() {
    QTextCharFormat format;
    format.setFontWeight(QFont::Normal);
    selection().mergeCharFormat(format);
}

void ReportBox::hide() {
    edit_->setUpdatesEnabled(false);
    // The changes made while hidden are laid out once, when it is shown again.
    if (!batch_) {
        batch_ = std::make_unique<QTextCursor>(edit_->document());
        batch_->beginEditBlock();
    }
}

void ReportBox::show() {
    if (batch_) {
        batch_->endEditBlock();
        batch_.reset();
    }
    edit_->setUpdatesEnabled(true);
    edit_->viewport()->update();
}

bool ReportBox::isShown() const {
    return edit_->updatesEnabled() && !edit_->isHidden();
}

void ReportBox::copySelection() const {
    if (!edit_->textCursor().hasSelection()) return;
    QGuiApplication::clipboard()->setMimeData(clipboardData(selection().selection()));
}

} // namespace zefnaro
