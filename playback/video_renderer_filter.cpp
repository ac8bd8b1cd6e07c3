#include "playback/video_renderer_filter.h"

#include <chrono>

#include "playback/stream_clock.h"
#include "playback/video_surface.h"

namespace motrevix {
namespace {
constexpr std::chrono::milliseconds kPoll(20);

// A decoded picture as a packed 32-bit picture of the given size.
QImage ConvertFrame(const AVFrame& frame, QSize size) {
  av::Sws scaler(sws_getContext(frame.width, frame.height, static_cast<AVPixelFormat>(frame.format),
                                size.width(), size.height(), AV_PIX_FMT_BGRA, SWS_POINT, nullptr,
                                nullptr, nullptr));
  QImage image(size, QImage::Format_RGB32);
  if (!scaler || image.isNull()) return QImage();
  std::uint8_t* dst[4] = {image.bits(), nullptr, nullptr, nullptr};
  int dstStride[4] = {static_cast<int>(image.bytesPerLine()), 0, 0, 0};
  sws_scale(scaler.get(), frame.data, frame.linesize, 0, frame.height, dst, dstStride);
  return image;
}
}  // namespace

CVideoRendererFilter::CVideoRendererFilter() : input_(AddPin("VMR Input0", PinDirection::Input)) {}

CVideoRendererFilter::~CVideoRendererFilter() {
  RequestStop();
  JoinStreaming();
}

bool CVideoRendererFilter::AcceptsInput(const CPin& input, const MediaType& type) const {
  return &input == &input_ && type.major == MajorType::Video && type.sub == SubType::Rgb32;
}

bool CVideoRendererFilter::Receive(CPin& input, MediaSample&& sample) {
  if (&input != &input_) return false;
  return queue_.Push(std::move(sample));
}

void CVideoRendererFilter::StartStreaming() {
  if (input_.ConnectedTo() == nullptr) return;
  worker_.Start([this] { PresentLoop(); });
}

void CVideoRendererFilter::RequestStop() { worker_.RequestStop(); }

void CVideoRendererFilter::JoinStreaming() { worker_.Join(); }

void CVideoRendererFilter::Flush() {
  queue_.Clear();
  cued_ = false;
  presentedSinceStart_ = false;
  endOfStream_ = false;
}

// Takes the first picture off the queue and makes it the one shown, in one step
// under the lock of the shown picture, so that ShowsTime never sees the picture
// gone from the queue but not yet shown.
void CVideoRendererFilter::PresentNext() {
  std::shared_ptr<const QImage> picture;
  MediaTime start = 0;
  {
    std::lock_guard lock(shownMutex_);
    std::optional<MediaSample> sample = queue_.Pop(std::chrono::milliseconds(0));
    if (!sample) return;
    shown_ = sample->picture;
    shownFrame_ = std::move(sample->frame);
    shownStart_ = sample->start;
    shownEnd_ = sample->start + sample->duration;
    picture = std::move(sample->picture);
    start = sample->start;
  }
  ++presented_;
  presentedSinceStart_ = true;
  cued_ = true;
  if (const auto slot = Surface())
    slot->With([&](IVideoSurface& surface) { surface.PresentPicture(std::move(picture), start); });
}

// A picture made smaller for its surface is made again when the surface changes
// size (a zoom, a resized window), so that a paused picture is not shown blown up.
void CVideoRendererFilter::FitShownToSurface() {
  const QSize size = SurfaceSize();
  if (size.isEmpty()) return;
  std::shared_ptr<const QImage> picture;
  MediaTime start = 0;
  {
    std::lock_guard lock(shownMutex_);
    if (!shownFrame_ || !shown_) return;
    const QSize own(shownFrame_->width, shownFrame_->height);
    const QSize target = size.width() <= own.width() && size.height() <= own.height() ? size : own;
    if (target == shown_->size()) return;
    auto remade = std::make_shared<const QImage>(ConvertFrame(*shownFrame_, target));
    if (remade->isNull()) return;
    shown_ = remade;
    picture = std::move(remade);
    start = shownStart_;
  }
  if (const auto slot = Surface())
    slot->With([&](IVideoSurface& surface) { surface.PresentPicture(std::move(picture), start); });
}

void CVideoRendererFilter::PresentLoop() {
  StreamClock& clock = *Clock();
  while (!worker_.StopRequested()) {
    FitShownToSurface();
    struct Head {
      bool none = true;
      bool end = false;
      MediaTime start = 0;
      MediaTime end_time = 0;
      bool nextIsPicture = false;
      MediaTime nextStart = 0;
    };
    const Head head = queue_.Inspect([](const MediaSample* first, const MediaSample* second) {
      Head h;
      if (first == nullptr) return h;
      h.none = false;
      h.end = first->IsEndOfStream();
      h.start = first->start;
      h.end_time = first->start + first->duration;
      h.nextIsPicture = second != nullptr && !second->IsEndOfStream();
      h.nextStart = second != nullptr ? second->start : 0;
      return h;
    });
    if (head.none) {
      queue_.WaitNotEmpty(kPoll);
      continue;
    }
    if (head.end) {
      endOfStream_ = true;
      cued_ = true;
      queue_.Drop();
      continue;
    }
    if (!presentedSinceStart_) {  // the first picture after a start or seek is shown at once
      PresentNext();
      continue;
    }
    const MediaTime now = clock.Now();
    if (head.start > now) {
      clock.WaitUntil(head.start, kPoll);
      continue;
    }
    if (head.nextIsPicture && head.nextStart <= now) {  // a newer picture is due already
      if (clock.IsRunning()) ++dropped_;
      queue_.Drop();
      continue;
    }
    PresentNext();
  }
}

bool CVideoRendererFilter::ReachedEnd() const {
  if (!endOfStream_ || queue_.Size() != 0) return false;
  std::lock_guard lock(shownMutex_);
  return Clock()->Now() >= shownEnd_;
}

std::optional<MediaTime> CVideoRendererFilter::NextPictureTime() const {
  return queue_.Inspect(
      [](const MediaSample* first, const MediaSample*) -> std::optional<MediaTime> {
        if (first == nullptr || first->IsEndOfStream()) return std::nullopt;
        return first->start;
      });
}

bool CVideoRendererFilter::ShowsTime(MediaTime time) const {
  if (endOfStream_) return true;
  std::lock_guard lock(shownMutex_);
  return queue_.Inspect([&](const MediaSample* first, const MediaSample*) {
    return first != nullptr && (first->IsEndOfStream() || first->start > time);
  });
}

HResult CVideoRendererFilter::SetRenderingMode(RenderingMode mode) {
  mode_ = mode;
  return kOk;
}

HResult CVideoRendererFilter::SetRenderingPrefs(bool doNotRenderBorder) {
  doNotRenderBorder_ = doNotRenderBorder;
  if (const auto slot = Surface())
    slot->With([&](IVideoSurface& surface) {
      surface.SetVideoPosition(destination_, !doNotRenderBorder_);
    });
  return kOk;
}

HResult CVideoRendererFilter::SetVideoClippingWindow(IVideoSurface* surface) {
  return SetVideoClippingSlot(SlotOf(surface));
}

HResult CVideoRendererFilter::SetVideoClippingSlot(std::shared_ptr<SurfaceSlot> slot) {
  if (mode_ != RenderingMode::Windowless) return kWrongState;
  {
    std::lock_guard lock(surfaceMutex_);
    surface_ = std::move(slot);
  }
  std::shared_ptr<const QImage> shown;
  MediaTime start = 0;
  {
    std::lock_guard lock(shownMutex_);
    shown = shown_;
    start = shownStart_;
  }
  if (const auto current = Surface(); current && shown)
    current->With([&](IVideoSurface& surface) { surface.PresentPicture(shown, start); });
  return kOk;
}

std::shared_ptr<SurfaceSlot> CVideoRendererFilter::Surface() const {
  std::lock_guard lock(surfaceMutex_);
  return surface_;
}

HResult CVideoRendererFilter::SetVideoPosition(const QRect& destination) {
  destination_ = destination;
  if (const auto slot = Surface())
    slot->With([&](IVideoSurface& surface) {
      surface.SetVideoPosition(destination_, !doNotRenderBorder_);
    });
  return kOk;
}

HResult CVideoRendererFilter::SetAspectRatioMode(AspectRatioMode mode) {
  aspectMode_ = mode;
  return kOk;
}

HResult CVideoRendererFilter::RepaintVideo() {
  const auto slot = Surface();
  if (!slot || !slot->With([](IVideoSurface& surface) { surface.RequestRepaint(); })) return kFail;
  return kOk;
}

HResult CVideoRendererFilter::GetCurrentImage(QImage* image) {
  if (image == nullptr) return kPointer;
  std::lock_guard lock(shownMutex_);
  if (!shown_) return kFail;
  if (!shownFrame_) {
    *image = *shown_;
    return kOk;
  }
  const AVFrame* frame = shownFrame_.get();
  QImage full = ConvertFrame(*frame, QSize(frame->width, frame->height));
  if (full.isNull()) return kFail;
  *image = std::move(full);
  return kOk;
}

QSize CVideoRendererFilter::SurfaceSize() const {
  QSize size;
  if (const auto slot = Surface())
    slot->With([&](IVideoSurface& surface) { size = surface.ClientSize(); });
  return size;
}

}  // namespace motrevix
