#include "report_files.h"

#include "report_box.h"

#include <QAbstractTextDocumentLayout>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>
#include <vector>
#include <zlib.h>

namespace zefnaro {

namespace {

struct RunStyle {
    QString colour;
    QStringList families;
    double points = 0;
    bool bold = false;
    bool italic = false;
    bool operator==(const RunStyle&) const = default;
};

struct Run {
    QString text;
    int style = 0;
};

struct Paragraph {
    bool centred = false;
    int style = 0; // of an empty line, for its height
    std::vector<Run> runs;
};

// The document as lines of styled runs, with the styles numbered once each.
struct Runs {
    std::vector<RunStyle> styles;
    std::vector<Paragraph> lines;

    int styleOf(const QTextCharFormat& f) {
        RunStyle s;
        s.colour = f.foreground().color().name();
        s.families = f.fontFamilies().toStringList();
        if (s.families.isEmpty()) s.families = QStringList{f.font().family()};
        s.points = f.hasProperty(QTextFormat::FontPointSize) ? f.fontPointSize()
                                                             : f.font().pointSizeF();
        s.bold = f.fontWeight() >= QFont::Bold;
        s.italic = f.fontItalic();
        for (std::size_t i = 0; i < styles.size(); ++i)
            if (styles[i] == s) return static_cast<int>(i);
        styles.push_back(s);
        return static_cast<int>(styles.size()) - 1;
    }
};

Runs runsOf(const QTextDocument& document) {
    Runs r;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Paragraph line;
        line.centred = (block.blockFormat().alignment() & Qt::AlignHCenter) != 0;
        for (auto it = block.begin(); !it.atEnd(); ++it)
            line.runs.push_back({it.fragment().text(), r.styleOf(it.fragment().charFormat())});
        // An empty line is as tall as the text before it: its own format carries
        // only the box's default size, which no line of the report is set in.
        if (line.runs.empty())
            line.style = !r.lines.empty() && !r.lines.back().runs.empty() ? r.lines.back().runs.back().style
                         : !r.lines.empty() ? r.lines.back().style
                                            : -1;
        r.lines.push_back(std::move(line));
    }
    // Empty lines before any text take the first text's style.
    const auto first = std::find_if(r.lines.begin(), r.lines.end(),
                                    [](const Paragraph& p) { return !p.runs.empty(); });
    for (Paragraph& line : r.lines)
        if (line.style < 0) line.style = first != r.lines.end() ? first->runs.front().style : 0;
    if (r.styles.empty()) r.styleOf(document.begin().charFormat());
    return r;
}

bool isCoptic(const QString& text) {
    for (const QChar c : text)
        if ((c.unicode() >= 0x2C80 && c.unicode() <= 0x2CFF) ||
            (c.unicode() >= 0x03E2 && c.unicode() <= 0x03EF))
            return true;
    return false;
}

QString cssFamilies(const QStringList& families) {
    QStringList quoted;
    for (const QString& f : families)
        quoted << QLatin1Char('"') + f + QLatin1Char('"');
    if (families.contains(QStringLiteral("Arial"))) quoted << QStringLiteral("\"Liberation Sans\"");
    return quoted.join(QStringLiteral(", ")) + QStringLiteral(", sans-serif");
}

QString number(double value) {
    return QString::number(value, 'g', 4);
}

// ZIP with stored entries: what an OpenDocument package needs (its mimetype must
// come first and uncompressed), without a library for so little.
class Zip {
public:
    void add(const QString& name, const QByteArray& data) {
        const QByteArray path = name.toUtf8();
        const auto crc = static_cast<quint32>(
            crc32(0, reinterpret_cast<const Bytef*>(data.constData()), static_cast<uInt>(data.size())));
        QByteArray entry;
        header(entry, 0x04034b50, crc, data.size(), path);
        const auto offset = static_cast<quint32>(out_.size());
        out_ += entry + path + data;
        QByteArray central;
        u32(central, 0x02014b50);
        u16(central, 20); // made by
        centralFields(central, crc, data.size(), path);
        u16(central, 0); // comment
        u16(central, 0); // disk
        u16(central, 0); // internal attributes
        u32(central, 0); // external attributes
        u32(central, offset);
        directory_ += central + path;
        ++count_;
    }

    QByteArray finished() const {
        QByteArray end;
        u32(end, 0x06054b50);
        u16(end, 0);
        u16(end, 0);
        u16(end, count_);
        u16(end, count_);
        u32(end, static_cast<quint32>(directory_.size()));
        u32(end, static_cast<quint32>(out_.size()));
        u16(end, 0);
        return out_ + directory_ + end;
    }

private:
    static void u16(QByteArray& b, quint16 v) {
        b.append(static_cast<char>(v & 0xFF)).append(static_cast<char>(v >> 8));
    }
    static void u32(QByteArray& b, quint32 v) {
        u16(b, static_cast<quint16>(v & 0xFFFF));
        u16(b, static_cast<quint16>(v >> 16));
    }
    static void centralFields(QByteArray& b, quint32 crc, qsizetype size, const QByteArray& path) {
        u16(b, 20); // version needed
        u16(b, 0);  // flags
        u16(b, 0);  // stored
        u16(b, 0);  // time 00:00
        u16(b, 0x21); // date 1980-01-01
        u32(b, crc);
        u32(b, static_cast<quint32>(size));
        u32(b, static_cast<quint32>(size));
        u16(b, static_cast<quint16>(path.size()));
        u16(b, 0); // extra
    }
    static void header(QByteArray& b, quint32 signature, quint32 crc, qsizetype size,
                       const QByteArray& path) {
        u32(b, signature);
        centralFields(b, crc, size, path);
    }

    QByteArray out_, directory_;
    quint16 count_ = 0;
};

QString xmlText(const QString& text) {
    QString out = text.toHtmlEscaped();
    // OpenDocument folds runs of blanks; keep them.
    for (int n = 8; n >= 2; --n)
        out.replace(QString(n, QLatin1Char(' ')),
                    QStringLiteral(" <text:s text:c=\"%1\"/>").arg(n - 1));
    return out;
}

const char* const odfNamespaces =
    " xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\""
    " xmlns:style=\"urn:oasis:names:tc:opendocument:xmlns:style:1.0\""
    " xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\""
    " xmlns:fo=\"urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0\""
    " xmlns:svg=\"urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0\""
    " xmlns:meta=\"urn:oasis:names:tc:opendocument:xmlns:meta:1.0\""
    " xmlns:xlink=\"http://www.w3.org/1999/xlink\""
    " xmlns:dc=\"http://purl.org/dc/elements/1.1/\" office:version=\"1.3\"";

// A font file that travels inside a saved report, so it looks the same where the
// font is not installed.
struct FontFile {
    QString family, name;
    QByteArray bytes;
};

// The given fonts (family to file) that lead a run style's families and can be read.
std::vector<FontFile> usedFonts(const Runs& r, const QMap<QString, QString>& fontFiles) {
    std::vector<FontFile> used;
    for (auto f = fontFiles.cbegin(); f != fontFiles.cend(); ++f) {
        const bool leads = std::any_of(r.styles.begin(), r.styles.end(), [&](const RunStyle& s) {
            return s.families.value(0) == f.key();
        });
        QFile file(f.value());
        if (leads && file.open(QIODevice::ReadOnly))
            used.push_back({f.key(), QFileInfo(file).fileName(), file.readAll()});
    }
    return used;
}

QString fontFaces(const Runs& r, const std::vector<FontFile>& carried) {
    QStringList names{QStringLiteral("Arial")};
    for (const RunStyle& s : r.styles)
        for (const QString& f : s.families)
            if (!names.contains(f)) names << f;
    QString out = QStringLiteral("<office:font-face-decls>");
    for (const QString& f : names) {
        out += QStringLiteral("<style:font-face style:name=\"%1\" svg:font-family=\"'%1'\"")
                   .arg(f.toHtmlEscaped());
        const auto file = std::find_if(carried.begin(), carried.end(),
                                       [&](const FontFile& c) { return c.family == f; });
        if (file == carried.end()) {
            out += QStringLiteral("/>");
            continue;
        }
        out += QStringLiteral("><svg:font-face-src><svg:font-face-uri xlink:href=\"Fonts/%1\" "
                              "xlink:type=\"simple\"><svg:font-face-format svg:string=\"truetype\"/>"
                              "</svg:font-face-uri></svg:font-face-src></style:font-face>")
                   .arg(file->name.toHtmlEscaped());
    }
    return out + QStringLiteral("</office:font-face-decls>");
}

QByteArray odtContent(const Runs& r, const std::vector<FontFile>& carried) {
    QString x = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<office:document-content") +
                QLatin1String(odfNamespaces) + QLatin1Char('>') + fontFaces(r, carried) +
                QStringLiteral("<office:automatic-styles>"
                               "<style:style style:name=\"P1\" style:family=\"paragraph\">"
                               "<style:paragraph-properties fo:text-align=\"center\"/>"
                               "</style:style>");
    for (std::size_t i = 0; i < r.styles.size(); ++i) {
        const RunStyle& s = r.styles[i];
        const QString font = s.families.first().toHtmlEscaped();
        const QString size = number(s.points) + QStringLiteral("pt");
        const QString weight = s.bold ? QStringLiteral("bold") : QStringLiteral("normal");
        const QString posture = s.italic ? QStringLiteral("italic") : QStringLiteral("normal");
        x += QStringLiteral("<style:style style:name=\"T%1\" style:family=\"text\">"
                            "<style:text-properties fo:color=\"%2\" style:font-name=\"%3\" "
                            "style:font-name-complex=\"%3\" style:font-name-asian=\"%3\" "
                            "fo:font-size=\"%4\" style:font-size-complex=\"%4\" "
                            "fo:font-weight=\"%5\" style:font-weight-complex=\"%5\" "
                            "fo:font-style=\"%6\" style:font-style-complex=\"%6\"/>"
                            "</style:style>")
                 .arg(i + 1)
                 .arg(s.colour, font, size, weight, posture);
    }
    x += QStringLiteral("</office:automatic-styles><office:body><office:text>");
    for (const Paragraph& line : r.lines) {
        x += line.centred ? QStringLiteral("<text:p text:style-name=\"P1\">")
                          : QStringLiteral("<text:p>");
        if (line.runs.empty())
            x += QStringLiteral("<text:span text:style-name=\"T%1\"/>").arg(line.style + 1);
        for (const Run& run : line.runs)
            x += QStringLiteral("<text:span text:style-name=\"T%1\">%2</text:span>")
                     .arg(run.style + 1)
                     .arg(xmlText(run.text));
        x += QStringLiteral("</text:p>");
    }
    x += QStringLiteral("</office:text></office:body></office:document-content>\n");
    return x.toUtf8();
}

QByteArray odtStyles(const Runs& r, const std::vector<FontFile>& carried) {
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-styles") +
            QLatin1String(odfNamespaces) + QLatin1Char('>') + fontFaces(r, carried) +
            QStringLiteral(
                "<office:styles><style:default-style style:family=\"paragraph\">"
                "<style:paragraph-properties fo:margin-top=\"0cm\" fo:margin-bottom=\"0cm\"/>"
                "<style:text-properties style:font-name=\"Arial\" fo:font-size=\"12pt\"/>"
                "</style:default-style></office:styles><office:automatic-styles>"
                "<style:page-layout style:name=\"A4\"><style:page-layout-properties "
                "fo:page-width=\"21cm\" fo:page-height=\"29.7cm\" fo:margin-top=\"1.5cm\" "
                "fo:margin-bottom=\"1.5cm\" fo:margin-left=\"1.5cm\" fo:margin-right=\"1.5cm\"/>"
                "</style:page-layout></office:automatic-styles><office:master-styles>"
                "<style:master-page style:name=\"Standard\" style:page-layout-name=\"A4\"/>"
                "</office:master-styles></office:document-styles>\n"))
        .toUtf8();
}

QByteArray odtMeta(const QString& title) {
    return (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-meta") +
            QLatin1String(odfNamespaces) +
            QStringLiteral("><office:meta><meta:generator>Zefnaro</meta:generator>"
                           "<dc:title>%1</dc:title></office:meta></office:document-meta>\n")
                .arg(title.toHtmlEscaped()))
        .toUtf8();
}

QByteArray odtManifest(const std::vector<FontFile>& carried) {
    QString m = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest "
        "xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
        "manifest:version=\"1.3\"><manifest:file-entry manifest:full-path=\"/\" "
        "manifest:version=\"1.3\" "
        "manifest:media-type=\"application/vnd.oasis.opendocument.text\"/>");
    for (const char* part : {"content.xml", "styles.xml", "meta.xml"})
        m += QStringLiteral("<manifest:file-entry manifest:full-path=\"%1\" "
                            "manifest:media-type=\"text/xml\"/>")
                 .arg(QLatin1String(part));
    for (const FontFile& f : carried)
        m += QStringLiteral("<manifest:file-entry manifest:full-path=\"Fonts/%1\" "
                            "manifest:media-type=\"application/x-font-ttf\"/>")
                 .arg(f.name.toHtmlEscaped());
    return (m + QStringLiteral("</manifest:manifest>\n")).toUtf8();
}

// @font-face rules for the fonts carried in the page: the installed font where
// there is one, else the copy.
QString cssFontFaces(const std::vector<FontFile>& carried) {
    QString css;
    for (const FontFile& f : carried)
        css += QStringLiteral("@font-face { font-family: \"%1\"; src: local(\"%1\"), "
                              "url(data:font/ttf;base64,%2) format(\"truetype\"); }\n")
                   .arg(f.family, QString::fromLatin1(f.bytes.toBase64()));
    return css;
}

} // namespace

QString toHtml5(const QTextDocument& document, const QString& title,
                const QMap<QString, QString>& fontFiles) {
    const Runs r = runsOf(document);
    QString h = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                               "<meta name=\"generator\" content=\"Zefnaro\">\n<title>%1</title>\n"
                               "<style>\n"
                               "body { background: %2; margin: 1em; }\n"
                               "p { margin: 0; min-height: 1.15em; line-height: 1.15; }\n"
                               ".centred { text-align: center; }\n")
                    .arg(title.toHtmlEscaped(), ReportBox::background.name());
    h += cssFontFaces(usedFonts(r, fontFiles));
    for (std::size_t i = 0; i < r.styles.size(); ++i) {
        const RunStyle& s = r.styles[i];
        h += QStringLiteral(".r%1 { color: %2; font-family: %3; font-size: %4pt; font-weight: %5; "
                            "font-style: %6; }\n")
                 .arg(i + 1)
                 .arg(s.colour, cssFamilies(s.families), number(s.points),
                      s.bold ? QStringLiteral("bold") : QStringLiteral("normal"),
                      s.italic ? QStringLiteral("italic") : QStringLiteral("normal"));
    }
    h += QStringLiteral("</style>\n</head>\n<body>\n");
    for (const Paragraph& line : r.lines) {
        h += QStringLiteral("<p class=\"%1r%2\">")
                 .arg(line.centred ? QStringLiteral("centred ") : QString())
                 .arg(line.style + 1);
        for (const Run& run : line.runs)
            h += QStringLiteral("<span class=\"r%1\"%2>%3</span>")
                     .arg(run.style + 1)
                     .arg(isCoptic(run.text) ? QStringLiteral(" lang=\"cop\"") : QString())
                     .arg(run.text.toHtmlEscaped());
        h += QStringLiteral("</p>\n");
    }
    return h + QStringLiteral("</body>\n</html>\n");
}

bool writeOdt(const QTextDocument& document, const QString& title, const QString& path,
              QString& why, const QMap<QString, QString>& fontFiles) {
    const Runs r = runsOf(document);
    const std::vector<FontFile> carried = usedFonts(r, fontFiles);
    Zip zip;
    zip.add(QStringLiteral("mimetype"), "application/vnd.oasis.opendocument.text");
    zip.add(QStringLiteral("META-INF/manifest.xml"), odtManifest(carried));
    zip.add(QStringLiteral("content.xml"), odtContent(r, carried));
    zip.add(QStringLiteral("styles.xml"), odtStyles(r, carried));
    zip.add(QStringLiteral("meta.xml"), odtMeta(title));
    for (const FontFile& f : carried)
        zip.add(QStringLiteral("Fonts/") + f.name, f.bytes);
    QFile file(path);
    const QByteArray bytes = zip.finished();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        why = file.errorString();
        return false;
    }
    return true;
}

QPageLayout reportPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

bool paintOnOnePage(const QTextDocument& document, QPagedPaintDevice& device) {
    std::unique_ptr<QTextDocument> page(document.clone());
    // A compound number ("Ninety-Nine") is one word: no line break after its hyphen.
    for (QTextCursor c = page->find(QStringLiteral("-")); !c.isNull();
         c = page->find(QStringLiteral("-"), c)) {
        QTextCursor after(c);
        after.clearSelection();
        after.insertText(QString(QChar(0x2060))); // word joiner
        c = after;
    }
    page->documentLayout()->setPaintDevice(&device);
    page->setDocumentMargin(0);
    const qreal width = device.width(), height = device.height();
    page->setTextWidth(width);
    qreal scale = 1;
    // Too tall for the page: smaller, and laid out again for the wider measure.
    for (int i = 0; i < 4 && page->size().height() * scale > height; ++i) {
        scale = std::min(scale, height / page->size().height()) * 0.98;
        page->setTextWidth(width / scale);
    }
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.scale(scale, scale);
    page->drawContents(&painter);
    return painter.end();
}

} // namespace zefnaro
