#include "report_document.h"

#include "platform/colour.h"
#include "arial.h"
#include "report/fonts.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

namespace zefnaro {

namespace {

// A line's characters: the report's bold Arial, then the line's style; the
// families of a Coptic font with their fallbacks.
QTextCharFormat charFormat(const Report& report, const Style& style) {
    QTextCharFormat format;
    format.setFont(arialFont(basePointSize, true));
    QStringList families;
    for (std::string_view family : fontFamilies(report.family(style.font)))
        families << QString::fromUtf8(family.data(), static_cast<qsizetype>(family.size()));
    format.setFontFamilies(families);
    format.setForeground(qColour(style.colour));
    format.setFontPointSize(style.pointSize);
    if (style.italic) format.setFontItalic(true);
    if (!style.bold) format.setFontWeight(QFont::Normal);
    return format;
}

} // namespace

void fillDocument(QTextDocument& document, const Report& report) {
    document.setDefaultFont(arialFont(basePointSize, true));
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    cursor.setBlockFormat(centred);
    // An empty line is as tall as the report's own lines (the first line's style).
    const QTextCharFormat breaks =
        report.lines.empty() ? QTextCharFormat() : charFormat(report, report.lines[0].style);
    // An Arabic report runs right to left, its Coptic lines left to right.
    const auto blockFormat = [&](const Line& line) {
        QTextBlockFormat format = centred;
        format.setLayoutDirection(runsLeftToRight(report, line.piece) ? Qt::LeftToRight : Qt::RightToLeft);
        return format;
    };
    for (std::size_t i = 0; i < report.lines.size(); ++i) {
        const Line& line = report.lines[i];
        if (i > 0)
            cursor.insertBlock(blockFormat(line), breaks);
        else
            cursor.setBlockFormat(blockFormat(line));
        cursor.insertText(QString::fromStdString(line.text), charFormat(report, line.style));
    }
    cursor.endEditBlock();
}

QPageLayout reportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

bool paintOnOnePage(const Report& report, QPagedPaintDevice& device) {
    QTextDocument page;
    fillDocument(page, report);
    // A compound number ("Ninety-Nine") is one word: no line break after its hyphen.
    for (QTextCursor c = page.find(QStringLiteral("-")); !c.isNull(); c = page.find(QStringLiteral("-"), c)) {
        QTextCursor after(c);
        after.clearSelection();
        after.insertText(QString(QChar(0x2060))); // word joiner
        c = after;
    }
    page.documentLayout()->setPaintDevice(&device);
    page.setDocumentMargin(0);
    const qreal width = device.width(), height = device.height();
    page.setTextWidth(width);
    qreal scale = 1;
    // Too tall for the page: smaller, and laid out again for the wider measure.
    for (int i = 0; i < 4 && page.size().height() * scale > height; ++i) {
        scale = std::min(scale, height / page.size().height()) * 0.98;
        page.setTextWidth(width / scale);
    }
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.scale(scale, scale);
    page.drawContents(&painter);
    return painter.end();
}

} // namespace zefnaro
