#include "skin/mask_region.h"

namespace motrevix {

QRegion RegionFromMask(const QImage& mask) {
  QRegion region;
  if (mask.isNull()) return region;
  const QImage pixels = mask.convertToFormat(QImage::Format_RGB32);
  const QRgb white = qRgb(255, 255, 255);
  for (int y = 0; y < pixels.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
    int x = 0;
    while (x < pixels.width()) {
      if ((row[x] & 0xFFFFFF) == (white & 0xFFFFFF)) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < pixels.width() && (row[x] & 0xFFFFFF) != (white & 0xFFFFFF)) ++x;
      region += QRect(start, y, x - start, 1);
    }
  }
  return region;
}

}  // namespace motrevix
