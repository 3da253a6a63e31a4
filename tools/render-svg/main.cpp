// Renders an SVG file to a PNG of a given scale, through Qt's SVG image plugin:
//   render-svg INPUT.svg OUTPUT.png SCALE [BACKGROUND]
// The PNG is SCALE times the SVG's own size; BACKGROUND (a colour name) is
// painted beneath the drawing when given, otherwise the PNG is transparent.
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s INPUT.svg OUTPUT.png SCALE [BACKGROUND]\n", argv[0]);
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    const double scale = QString::fromLocal8Bit(argv[3]).toDouble();
    const QSize size = reader.size();
    if (!size.isValid() || scale <= 0) {
        std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    reader.setScaledSize(size * scale);
    const QImage drawing = reader.read();
    if (drawing.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[0], qPrintable(reader.errorString()));
        return 1;
    }
    QImage out(drawing.size(), QImage::Format_ARGB32);
    out.fill(argc > 4 ? QColor(QString::fromLocal8Bit(argv[4])) : QColor(Qt::transparent));
    QPainter(&out).drawImage(0, 0, drawing);
    if (!out.save(QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
        return 1;
    }
    return 0;
}
