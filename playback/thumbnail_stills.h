#pragma once
// The pictures of one thumbnail cell: a two-channel recording gives its front and
// rear pictures (each half the cell), a one-channel recording one picture that
// fills the cell. One open of the file serves both.

#include <QImage>
#include <QSize>
#include <string>

namespace motrevix {

struct ThumbnailStills {
  // Null when the file gave no picture.
  QImage front;
  // Null for a one-channel recording.
  QImage rear;
  bool twoChannels = false;
};

// `seconds` past the end of a short recording gives its last pictures.
ThumbnailStills GrabThumbnailStills(const std::string& path, double seconds, QSize cellSize);

}  // namespace motrevix
