// render-icon: renders an SVG picture into a square PNG, for the application
// icon's fixed sizes (render-icon SOURCE.svg OUT.png SIZE).
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: render-icon SOURCE.svg OUT.png SIZE\n");
    return 2;
  }
  // Rendering needs no display; fonts and painting still need the GUI library.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  bool isNumber = false;
  const int size = QByteArray(argv[3]).toInt(&isNumber);
  if (!isNumber || size <= 0 || size > 1024) {
    std::fprintf(stderr, "render-icon: size %s is not 1..1024\n", argv[3]);
    return 2;
  }
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid()) {
    std::fprintf(stderr, "render-icon: cannot read %s\n", argv[1]);
    return 1;
  }
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, size, size));
  }
  if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "render-icon: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
