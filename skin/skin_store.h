#pragma once
// The skin bitmaps by number, rendered from their SVG sources. A picture has the
// size of its table entry in logical pixels and is rendered at a device pixel
// ratio, so it stays sharp on a HiDPI screen while the layout keeps its pixels.

#include <QImage>
#include <QPixmap>

namespace motrevix {

// The picture of `number` rendered at `ratio` device pixels per logical pixel;
// null when no bitmap has that number.
QImage SkinImage(int number, qreal ratio);
// The same as a pixmap at the ratio of the application's screens.
QPixmap SkinBitmap(int number);
QPixmap SkinBitmap(int number, qreal ratio);
// The ratio SkinBitmap(number) renders at: the highest of the screens'.
qreal SkinDevicePixelRatio();

}  // namespace motrevix
