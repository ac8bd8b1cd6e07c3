#include "skin/slider_geometry.h"

#include <algorithm>

namespace motrevix {

QRect ThumbPictureRect(const QRect& styleThumb, QSize thumbPicture, int offset, bool horizontal) {
  // Centred: (T.width - w_t) / 2. The other sign would put a narrow picture
  // beside the slider's thumb, where a press on it misses the thumb.
  if (horizontal) {
    const int left = styleThumb.left() + (styleThumb.width() - thumbPicture.width()) / 2;
    return QRect(left, offset, thumbPicture.width(), thumbPicture.height());
  }
  const int top = styleThumb.top() + (styleThumb.height() - thumbPicture.height()) / 2;
  return QRect(offset, top, thumbPicture.width(), thumbPicture.height());
}

TrackSpans TrackSpansFor(const QRect& thumb, QSize client, bool onPaint) {
  // QRect's right() is the last column; the thumb's right edge is one past it.
  const int thumbRight = thumb.left() + thumb.width();
  const int filledWidth = std::clamp(onPaint ? thumbRight : thumb.left(), 0, client.width());
  const int emptyLeft = std::clamp(thumbRight, 0, client.width());
  TrackSpans spans;
  if (filledWidth > 0 && client.height() > 0)
    spans.filled = QRect(0, 0, filledWidth, client.height());
  if (client.width() - emptyLeft > 0 && client.height() > 0)
    spans.empty = QRect(emptyLeft, 0, client.width() - emptyLeft, client.height());
  return spans;
}

QRect StripLayout::Frame(int n) const {
  if (n < 0 || n >= frameCount) return {};
  return vertical ? QRect(0, n * frameHeight, frameWidth, frameHeight)
                  : QRect(n * frameWidth, 0, frameWidth, frameHeight);
}

StripLayout StripLayoutFor(QSize picture, int frameWidth, int frameHeight) {
  StripLayout strip;
  strip.vertical = picture.width() < picture.height();
  strip.frameWidth = frameWidth > 0 ? frameWidth : picture.width();
  strip.frameHeight = frameHeight > 0 ? frameHeight : picture.height();
  if (strip.frameWidth <= 0 || strip.frameHeight <= 0) return strip;
  strip.frameCount =
      strip.vertical ? picture.height() / strip.frameHeight : picture.width() / strip.frameWidth;
  return strip;
}

}  // namespace motrevix
