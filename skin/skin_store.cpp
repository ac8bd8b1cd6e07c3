#include "skin/skin_store.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <cmath>

#include "skin/skin_svg.h"
#include "skin/skin_table.h"

namespace motrevix {

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
