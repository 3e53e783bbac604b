// Build tool: typesets an HTML file as an A4 PDF. Pictures are looked up beside
// the HTML file, wherever the build runs; a missing picture fails the build at
// once, naming it (Qt's layout would otherwise wait for it forever).
// Usage: html_to_pdf INPUT.html OUTPUT.pdf TITLE
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <QUrl>

#include <cstdio>

namespace {

class Document : public QTextDocument {
public:
    explicit Document(const QDir& folder) : folder_(folder) {}

    QStringList missing;

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        if (type != QTextDocument::ImageResource) return QTextDocument::loadResource(type, name);
        const QString path = folder_.absoluteFilePath(name.isLocalFile() ? name.toLocalFile()
                                                                         : name.toString());
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

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: html_to_pdf INPUT.html OUTPUT.pdf TITLE\n");
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "html_to_pdf: cannot read %s\n", argv[1]);
        return 1;
    }
    Document doc(QFileInfo(input).absoluteDir());
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    doc.setHtml(QString::fromUtf8(input.readAll()));
    loadPictures(doc);
    if (!doc.missing.isEmpty()) {
        for (const QString& path : doc.missing)
            std::fprintf(stderr, "html_to_pdf: %s: missing picture %s\n", argv[1],
                         qPrintable(QDir::toNativeSeparators(path)));
        return 1;
    }

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(QString::fromUtf8(argv[3]));
    pdf.setCreator(QStringLiteral("Zefnaro"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    doc.print(&pdf);
    return 0;
}
