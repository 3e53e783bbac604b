#include "rich_text.h"

#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <cmath>

namespace zefnaro {

namespace {

QString escaped(const QString& text) {
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += u'\\';
            out += c;
        } else if (u < 0x80) {
            out += c;
        } else if (u < 0x100) {
            out += QStringLiteral("\\'%1").arg(static_cast<int>(u), 2, 16, QLatin1Char('0'));
        } else {
            out += QStringLiteral("\\u%1?").arg(static_cast<int>(static_cast<qint16>(u)));
        }
    }
    return out;
}

QString family(const QTextCharFormat& format) {
    const QStringList families = format.fontFamilies().toStringList();
    return families.isEmpty() ? format.font().family() : families.first();
}

} // namespace

QString toRtf(const QTextDocumentFragment& fragment) {
    QTextDocument doc;
    QTextCursor(&doc).insertFragment(fragment);
    QStringList fonts;
    QList<QColor> colours;
    QString body;
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        body += QStringLiteral("\\pard");
        if (block.blockFormat().alignment() & Qt::AlignHCenter) body += QStringLiteral("\\qc");
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment run = it.fragment();
            const QTextCharFormat f = run.charFormat();
            const QString name = family(f);
            if (!fonts.contains(name)) fonts.append(name);
            const QColor colour = f.foreground().color();
            if (!colours.contains(colour)) colours.append(colour);
            const double points = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize()
                                                                            : f.font().pointSizeF();
            body += QStringLiteral("{\\f%1\\fs%2\\cf%3%4%5 %6}")
                        .arg(fonts.indexOf(name))
                        .arg(std::lround(std::max(points, 1.0) * 2))
                        .arg(colours.indexOf(colour) + 1)
                        .arg(f.fontWeight() >= QFont::Bold ? QStringLiteral("\\b") : QString())
                        .arg(f.fontItalic() ? QStringLiteral("\\i") : QString())
                        .arg(escaped(run.text()));
        }
        if (block.next().isValid()) body += QStringLiteral("\\par\n");
    }
    QString header = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl");
    for (int i = 0; i < fonts.size(); ++i)
        header += QStringLiteral("{\\f%1\\fnil %2;}").arg(i).arg(escaped(fonts[i]));
    header += QStringLiteral("}{\\colortbl;");
    for (const QColor& c : colours)
        header +=
            QStringLiteral("\\red%1\\green%2\\blue%3;").arg(c.red()).arg(c.green()).arg(c.blue());
    header += QStringLiteral("}\n");
    return header + body + QStringLiteral("}");
}

QMimeData* clipboardData(const QTextDocumentFragment& fragment) {
    auto* data = new QMimeData;
    data->setHtml(fragment.toHtml());
    data->setText(fragment.toPlainText());
    data->setData(QStringLiteral("text/rtf"), toRtf(fragment).toLatin1());
    return data;
}

} // namespace zefnaro
