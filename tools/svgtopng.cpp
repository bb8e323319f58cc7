// Renders an SVG file with Qt's SVG renderer into a PNG the size of its view
// box, on white: how the pictures of exported figures in docs/ are made.
//
//   transpose-switch-svg2png IN.svg OUT.png
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: transpose-switch-svg2png IN.svg OUT.png\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "transpose-switch-svg2png: %s is no SVG Qt can draw\n", argv[1]);
        return 1;
    }
    QImage image(svg.viewBoxF().size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter);
    painter.end();
    return image.save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
