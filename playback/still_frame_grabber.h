#pragma once
// Still pictures of a recording, independent of any playback pipeline: opens the
// file by itself, seeks a video stream to the key frame before the asked time and
// decodes up to it. Used for thumbnails, the frame strip and the preview.
//
// Every call is bounded: a file that is not a regular file is refused before it is
// opened, reading stops after a fixed amount of data and time, and a file that is
// not a recording simply gives no picture.

#include <QImage>
#include <QSize>
#include <chrono>
#include <map>
#include <memory>
#include <string>

#include "platform/av_handles.h"

namespace motrevix {

// What a time past the last picture of the stream gives.
enum class PastEnd {
  NoPicture,    // a null picture
  LastPicture,  // the stream's last picture
};

struct StillRequest {
  // Counted over the video streams only: 0 is the front camera, 1 the rear.
  int videoStream = 0;
  double seconds = 0;
  // Scaled to this size; an empty size keeps the picture's own size.
  QSize size;
  PastEnd pastEnd = PastEnd::NoPicture;
};

class CStillFrameGrabber {
 public:
  // How long one open or one grab may take before it gives up.
  static constexpr std::chrono::milliseconds kTimeBudget{8000};

  CStillFrameGrabber();
  ~CStillFrameGrabber();
  CStillFrameGrabber(const CStillFrameGrabber&) = delete;
  CStillFrameGrabber& operator=(const CStillFrameGrabber&) = delete;

  // False for anything that is not a readable media file with a video stream.
  bool Open(const std::string& path);
  bool IsOpen() const { return static_cast<bool>(input_); }
  int VideoStreamCount() const;

  // The picture (RGB888) at the request's time, or a null picture.
  QImage Grab(const StillRequest& request);

 private:
  struct StreamDecoder;
  StreamDecoder* DecoderFor(int streamIndex);
  void StartClock();
  static int Interrupted(void* opaque);

  av::InputContext input_;
  std::map<int, std::unique_ptr<StreamDecoder>> decoders_;
  std::chrono::steady_clock::time_point deadline_;
};

// One picture of one file: opens, grabs and closes. Null when there is none.
QImage GrabFrame(const std::string& path, const StillRequest& request);

}  // namespace motrevix
