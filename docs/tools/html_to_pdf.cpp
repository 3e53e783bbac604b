// Build tool: typesets an HTML file as an A4 PDF. Pictures are looked up beside
// the HTML file, wherever the build runs; a missing picture fails the build at
// once, naming it (Qt's layout would otherwise wait for it forever).
// Usage: html_to_pdf INPUT.html OUTPUT.pdf TITLE [FONT.ttf ...] (fonts to load first);
// a TITLE of "-" takes the page's own <title>, in its own language.
#include <string_view>

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <cstdio>
#include <memory>
#include <set>
#include <vector>

namespace {

class Document : public QTextDocument {
public:
    explicit Document(const QDir& folder) : folder_(folder) {}

    QStringList missing;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::ImageResource) return QTextDocument::loadResource(type, name);
        const QString path =
            folder_.absoluteFilePath(name.isLocalFile() ? name.toLocalFile() : name.toString());
        QImage image(path);
        if (image.isNull()) {
            if (!missing.contains(path)) missing << path;
            image = QImage(1, 1, QImage::Format_ARGB32); // something to lay out, never a wait
            image.fill(Qt::transparent);
        }
        addResource(type, name, image);
        return image;
    }

private:
    QDir folder_;
};

// Asks for every picture once, so a missing one is known before typesetting.
void loadPictures(Document& doc) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFormat format = it.fragment().charFormat();
            if (format.isImageFormat())
                (void)doc.resource(QTextDocument::ImageResource,
                                   QUrl(format.toImageFormat().name()));
        }
}

// Page of a y position in a paginated layout (pages follow each other down).
int pageOf(qreal y, qreal pageHeight) {
    return static_cast<int>(y / pageHeight);
}

// The level-2 headings, in order.
std::vector<QTextBlock> headings(const QTextDocument& doc) {
    std::vector<QTextBlock> found;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.blockFormat().headingLevel() == 2) found.push_back(b);
    return found;
}

// The first section (a level-2 heading and what follows it up to the next one)
// that should start on a new page: one that fits on a page but is split, or
// whose heading stands alone at the foot of a page. -1 when there is none.
int sectionToMove(const QTextDocument& doc, const std::set<int>& moved) {
    const qreal page = doc.pageSize().height();
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    const std::vector<QTextBlock> found = headings(doc);
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (moved.count(static_cast<int>(i))) continue;
        const QTextBlock heading = found[i];
        const QTextBlock last = i + 1 < found.size() ? found[i + 1].previous() : doc.lastBlock();
        const QTextBlock next = heading.next().isValid() ? heading.next() : heading;
        const qreal top = layout->blockBoundingRect(heading).top();
        const qreal bottom = layout->blockBoundingRect(last).bottom();
        const bool split = pageOf(top, page) != pageOf(bottom - 1, page);
        const bool fits = bottom - top <= page * 0.95;
        const bool stranded =
            pageOf(top, page) != pageOf(layout->blockBoundingRect(next).bottom() - 1, page);
        if ((split && fits) || stranded) return static_cast<int>(i);
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: html_to_pdf INPUT.html OUTPUT.pdf TITLE [FONT.ttf ...]\n");
        return 2;
    }
    for (int i = 4; i < argc; ++i) {
        if (QFontDatabase::addApplicationFont(QString::fromLocal8Bit(argv[i])) < 0) {
            std::fprintf(stderr, "html_to_pdf: cannot load the font %s\n", argv[i]);
            return 1;
        }
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "html_to_pdf: cannot read %s\n", argv[1]);
        return 1;
    }
    const QString html = QString::fromUtf8(input.readAll());
    const QPageLayout page(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                           QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    // Paginated here, in pixels of 1/96 inch, so that the page breaks can be
    // chosen before printing: each section that would be split starts a new page.
    // Every choice is laid out afresh (Qt's layout does not follow a page break
    // set after it has laid the document out).
    std::set<int> moved;
    std::unique_ptr<Document> doc;
    for (;;) {
        doc = std::make_unique<Document>(QFileInfo(input).absoluteDir());
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(10.5);
        doc->setDefaultFont(font);
        doc->setHtml(html);
        loadPictures(*doc);
        if (!doc->missing.isEmpty()) {
            for (const QString& path : doc->missing)
                std::fprintf(stderr, "html_to_pdf: %s: missing picture %s\n", argv[1],
                             qPrintable(QDir::toNativeSeparators(path)));
            return 1;
        }
        const std::vector<QTextBlock> found = headings(*doc);
        for (int i : moved) {
            QTextBlockFormat format = found[static_cast<std::size_t>(i)].blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(found[static_cast<std::size_t>(i)]).setBlockFormat(format);
        }
        doc->setPageSize(page.paintRect(QPageLayout::Inch).size() * 96.0);
        const int next = sectionToMove(*doc, moved);
        if (next < 0) break;
        moved.insert(next);
    }

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(std::string_view(argv[3]) == "-" ? doc->metaInformation(QTextDocument::DocumentTitle)
                                                  : QString::fromUtf8(argv[3]));
    pdf.setCreator(QStringLiteral("Zefnaro"));
    pdf.setPageLayout(page);
    doc->print(&pdf);
    return 0;
}
