// Build tool: renders an SVG file to a PNG of the given size.
// Usage: render_svg INPUT.svg OUTPUT.png WIDTH HEIGHT
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: render_svg INPUT.svg OUTPUT.png WIDTH HEIGHT\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    const int width = QString::fromLatin1(argv[3]).toInt();
    const int height = QString::fromLatin1(argv[4]).toInt();
    if (!svg.isValid() || width <= 0 || height <= 0) {
        std::fprintf(stderr, "render_svg: cannot render %s\n", argv[1]);
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
