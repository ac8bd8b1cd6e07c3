#include "playback/colour_converter_filter.h"

#include <atomic>

#include "playback/media_sample.h"
#include "playback/video_renderer_filter.h"

namespace motrevix {

CColourConverterFilter::CColourConverterFilter()
    : input_(AddPin("Input", PinDirection::Input)),
      output_(AddPin("XForm Out", PinDirection::Output)) {}

bool CColourConverterFilter::AcceptsInput(const CPin& input, const MediaType& type) const {
  return &input == &input_ && type.major == MajorType::Video &&
         (type.sub == SubType::RawVideo || type.sub == SubType::Rgb32);
}

HResult CColourConverterFilter::CompleteConnect(CPin& pin, const MediaType& type) {
  if (&pin != &input_) return kOk;
  MediaType out = type;
  out.sub = SubType::Rgb32;
  out.codecName = "bgra";
  output_.SetMediaTypes({out});
  return kOk;
}

std::shared_ptr<QImage> CColourConverterFilter::TakePicture(int width, int height) {
  constexpr std::size_t kPoolSize = 12;  // the renderer's queue, the shown picture, spares
  for (auto& picture : pool_) {
    if (picture.use_count() != 1 || picture->width() != width || picture->height() != height)
      continue;
    // Pairs with the release by the last other holder: its reads are done.
    std::atomic_thread_fence(std::memory_order_acquire);
    return picture;
  }
  auto picture = std::make_shared<QImage>(width, height, QImage::Format_RGB32);
  if (pool_.size() < kPoolSize) pool_.push_back(picture);
  return picture;
}

bool CColourConverterFilter::Receive(CPin& input, MediaSample&& sample) {
  if (&input != &input_) return false;
  if (sample.IsEndOfStream()) return output_.Deliver(std::move(sample));
  if (sample.kind != MediaSample::Kind::Frame || !sample.frame) return true;
  const AVFrame* frame = sample.frame.get();
  if (frame->width <= 0 || frame->height <= 0) return true;
  // A picture that is only shown is made at the size it is shown at, when that is
  // smaller: the surface then need not scale it, and the decoded picture goes
  // along for grabs at its own size.
  int width = frame->width;
  int height = frame->height;
  const QSize shown = ShownSize();
  const bool smaller = shown.width() > 0 && shown.height() > 0 && shown.width() <= frame->width &&
                       shown.height() <= frame->height &&
                       shown != QSize(frame->width, frame->height);
  if (smaller) {
    width = shown.width();
    height = shown.height();
  }
  scaler_ = sws_getCachedContext(scaler_, frame->width, frame->height,
                                 static_cast<AVPixelFormat>(frame->format), width, height,
                                 AV_PIX_FMT_BGRA, SWS_POINT, nullptr, nullptr, nullptr);
  if (scalerHolder_.get() != scaler_) {
    (void)scalerHolder_.release();  // sws_getCachedContext freed the old context already
    scalerHolder_.reset(scaler_);
  }
  if (scaler_ == nullptr) return true;
  std::shared_ptr<QImage> picture = TakePicture(width, height);
  if (!picture || picture->isNull()) return true;
  std::uint8_t* dst[4] = {picture->bits(), nullptr, nullptr, nullptr};
  int dstStride[4] = {static_cast<int>(picture->bytesPerLine()), 0, 0, 0};
  sws_scale(scaler_, frame->data, frame->linesize, 0, frame->height, dst, dstStride);
  MediaSample out;
  out.kind = MediaSample::Kind::Picture;
  out.start = sample.start;
  out.duration = sample.duration;
  out.picture = std::move(picture);
  if (smaller) out.frame = std::move(sample.frame);
  return output_.Deliver(std::move(out));
}

QSize CColourConverterFilter::ShownSize() const {
  const CPin* peer = output_.ConnectedTo();
  const auto* renderer =
      peer != nullptr ? dynamic_cast<const CVideoRendererFilter*>(peer->Filter()) : nullptr;
  return renderer != nullptr ? renderer->SurfaceSize() : QSize();
}

}  // namespace motrevix
