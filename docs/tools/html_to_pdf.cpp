// Build tool: typesets an HTML file as an A4 PDF (images resolved next to it).
// Usage: html_to_pdf INPUT.html OUTPUT.pdf TITLE
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

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
    QTextDocument doc;
    doc.setBaseUrl(QUrl::fromLocalFile(QFileInfo(input).absolutePath() + QStringLiteral("/")));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(10.5);
    doc.setDefaultFont(font);
    doc.setHtml(QString::fromUtf8(input.readAll()));

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle(QString::fromUtf8(argv[3]));
    pdf.setCreator(QStringLiteral("Zefnaro"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
    doc.print(&pdf);
    return 0;
}
