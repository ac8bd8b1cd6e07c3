#include "skin/skin_store.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <cmath>

#include "skin/skin_svg.h"
#include "skin/skin_table.h"

namespace motrevix {
namespace {

// A picture that is also a mask: pixels less than half covered by the plate
// become pure white (see-through), the others are laid on the dark ground of
// the panels, so the shape has no light fringe and no white inside.
void ApplyMaskRule(QImage& image) {
  const QColor ground(18, 22, 28);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = line[x];  // premultiplied
      const int alpha = qAlpha(pixel);
      if (alpha < 128) {
        line[x] = qRgb(255, 255, 255);
        continue;
      }
      const auto over = [alpha](int source, int back) {
        return source + back * (255 - alpha) / 255;
      };
      line[x] = qRgb(over(qRed(pixel), ground.red()), over(qGreen(pixel), ground.green()),
                     over(qBlue(pixel), ground.blue()));
    }
  }
}

}  // namespace

QImage SkinImage(int number, qreal ratio) {
  const SkinArt* art = FindSkinArt(number);
  if (art == nullptr || ratio <= 0) return {};
  QSvgRenderer renderer(SkinSvg(*art));
  if (!renderer.isValid()) return {};
  const QSize pixels(static_cast<int>(std::lround(art->size.width() * ratio)),
                     static_cast<int>(std::lround(art->size.height() * ratio)));
  QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
  }
  if (art->look == SkinLook::Masked) ApplyMaskRule(image);
  image.setDevicePixelRatio(ratio);
  return image;
}

qreal SkinDevicePixelRatio() {
  qreal ratio = 1;
  if (qGuiApp == nullptr) return ratio;
  for (const QScreen* screen : QGuiApplication::screens())
    ratio = std::max(ratio, screen->devicePixelRatio());
  return ratio;
}

QPixmap SkinBitmap(int number, qreal ratio) { return QPixmap::fromImage(SkinImage(number, ratio)); }

QPixmap SkinBitmap(int number) { return SkinBitmap(number, SkinDevicePixelRatio()); }

}  // namespace motrevix
