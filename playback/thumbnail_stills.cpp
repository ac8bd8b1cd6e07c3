#include "playback/thumbnail_stills.h"

#include "playback/still_frame_grabber.h"

namespace motrevix {

ThumbnailStills GrabThumbnailStills(const std::string& path, double seconds, QSize cellSize) {
  ThumbnailStills stills;
  CStillFrameGrabber grabber;
  if (!grabber.Open(path)) return stills;
  // Two channels are two video streams (a one-channel recording also carries
  // sound and telemetry streams).
  stills.twoChannels = grabber.VideoStreamCount() >= 2;
  if (!stills.twoChannels) {
    stills.front = grabber.Grab({0, seconds, cellSize, PastEnd::LastPicture});
    return stills;
  }
  const QSize half(cellSize.width(), cellSize.height() / 2);
  stills.front = grabber.Grab({0, seconds, half, PastEnd::LastPicture});
  stills.rear = grabber.Grab({1, seconds, half, PastEnd::LastPicture});
  return stills;
}

}  // namespace motrevix
