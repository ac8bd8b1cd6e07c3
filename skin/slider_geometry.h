#pragma once
// The arithmetic of the bitmap slider, without widgets: where the thumb picture
// goes over the slider's own thumb, and which parts of the two track pictures are
// copied around it.

#include <QRect>
#include <QSize>

namespace motrevix {

// The thumb picture's rectangle: centred over the style's thumb rectangle along
// the track (left = T.left + (T.width - w_t) / 2, truncating toward zero), at
// `offset` across it. A vertical slider exchanges the axes.
QRect ThumbPictureRect(const QRect& styleThumb, QSize thumbPicture, int offset, bool horizontal);

// The parts of the track to draw for a slider of `client` size with the thumb
// picture at `thumb`: the filled track from the left edge to the thumb (through
// it when painting, as the thumb then covers it) and the empty track from the
// thumb's right edge to the end. Empty rectangles draw nothing.
struct TrackSpans {
  QRect filled;
  QRect empty;
};
TrackSpans TrackSpansFor(const QRect& thumb, QSize client, bool onPaint);

// How many frames a strip picture holds: stacked top to bottom when it is
// narrower than high, side by side otherwise.
struct StripLayout {
  bool vertical = false;
  int frameWidth = 0;
  int frameHeight = 0;
  int frameCount = 0;
  // Frame n's rectangle in the picture (frames past the last give an empty one).
  QRect Frame(int n) const;
};
StripLayout StripLayoutFor(QSize picture, int frameWidth, int frameHeight);

}  // namespace motrevix
