// Renders an SVG picture into a square PNG: `plovari-render-icon SVG PNG SIZE`. The build makes
// the hicolor theme's bitmap icons with it from the one SVG icon, so no bitmap is committed.
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: plovari-render-icon SVG PNG SIZE\n", stderr);
        return 2;
    }
    const QString svgPath = QString::fromLocal8Bit(argv[1]);
    const QString pngPath = QString::fromLocal8Bit(argv[2]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[3]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 4096) {
        std::fprintf(stderr, "plovari-render-icon: bad size \"%s\"\n", argv[3]);
        return 2;
    }

    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "plovari-render-icon: cannot read the SVG picture %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    if (!image.save(pngPath, "PNG")) {
        std::fprintf(stderr, "plovari-render-icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
