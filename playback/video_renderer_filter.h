#pragma once
// The video renderer ("Mixing Renderer9", "-1", "-2"): presents each picture on the
// graph's clock into a video surface, drops pictures whose time has passed while a
// newer one is due, and keeps the picture shown for repaint and grab.

#include <QImage>
#include <QRect>
#include <QSize>
#include <atomic>
#include <memory>
#include <mutex>
#include <thread>

#include "playback/base_filter.h"
#include "playback/media_sample.h"
#include "playback/sample_queue.h"
#include "playback/stream_roles.h"
#include "playback/streaming_worker.h"

namespace motrevix {

class IVideoSurface;
class SurfaceSlot;

enum class RenderingMode { Windowed, Windowless };
enum class AspectRatioMode { None, LetterBox };

// Configuration of a renderer before it is connected.
class IRendererConfig {
 public:
  virtual ~IRendererConfig() = default;
  virtual HResult SetRenderingMode(RenderingMode mode) = 0;
  virtual HResult SetRenderingPrefs(bool doNotRenderBorder) = 0;
};

// Drawing into a surface that the renderer does not own.
class IWindowlessControl {
 public:
  virtual ~IWindowlessControl() = default;
  virtual HResult SetVideoClippingWindow(IVideoSurface* surface) = 0;
  virtual HResult SetVideoPosition(const QRect& destination) = 0;
  virtual HResult SetAspectRatioMode(AspectRatioMode mode) = 0;
  virtual HResult RepaintVideo() = 0;
  // The picture shown, at its own size, top row first.
  virtual HResult GetCurrentImage(QImage* image) = 0;
};

class CVideoRendererFilter : public CBaseFilter,
                             public IPresentationSink,
                             public IRendererConfig,
                             public IWindowlessControl {
 public:
  CVideoRendererFilter();
  ~CVideoRendererFilter() override;

  bool AcceptsInput(const CPin& input, const MediaType& type) const override;
  bool Receive(CPin& input, MediaSample&& sample) override;
  void StartStreaming() override;
  void RequestStop() override;
  void JoinStreaming() override;
  void Flush() override;

  bool IsCued() const override { return cued_; }
  bool HasPresented() const override { return presentedSinceStart_; }
  bool ReachedEnd() const override;
  bool Drained() const override { return endOfStream_ && queue_.Size() == 0; }
  std::optional<MediaTime> NextPictureTime() const override;
  bool ShowsTime(MediaTime time) const override;
  bool IsVideo() const override { return true; }

  HResult SetRenderingMode(RenderingMode mode) override;
  HResult SetRenderingPrefs(bool doNotRenderBorder) override;
  HResult SetVideoClippingWindow(IVideoSurface* surface) override;
  // Draws into whatever surface the slot holds; a later call re-points a
  // running renderer and shows it the picture shown now.
  HResult SetVideoClippingSlot(std::shared_ptr<SurfaceSlot> slot);
  HResult SetVideoPosition(const QRect& destination) override;
  HResult SetAspectRatioMode(AspectRatioMode mode) override;
  HResult RepaintVideo() override;
  HResult GetCurrentImage(QImage* image) override;

  // The client size of the surface drawn into; empty without one.
  QSize SurfaceSize() const;

  long long PresentedCount() const { return presented_; }
  long long DroppedCount() const { return dropped_; }
  bool RendersBorder() const { return !doNotRenderBorder_; }
  AspectRatioMode AspectMode() const { return aspectMode_; }

 private:
  void PresentLoop();
  void PresentNext();
  void FitShownToSurface();

  CPin& input_;
  // Up to four pictures wait; the decoder refills from one in bursts.
  SampleQueue<MediaSample> queue_{4, 1};
  StreamingWorker<SampleQueue<MediaSample>> worker_{queue_};
  std::atomic<bool> cued_{false};
  std::atomic<bool> presentedSinceStart_{false};
  std::atomic<bool> endOfStream_{false};
  std::atomic<long long> presented_{0};
  std::atomic<long long> dropped_{0};

  mutable std::mutex shownMutex_;
  std::shared_ptr<const QImage> shown_;
  // The decoded picture behind shown_, when shown_ was made smaller than it for
  // the surface: grabs convert it at its own size.
  av::Frame shownFrame_;
  MediaTime shownStart_ = 0;
  MediaTime shownEnd_ = 0;

  // Read and replaced on the UI thread, read on the presenting thread.
  mutable std::mutex surfaceMutex_;
  std::shared_ptr<SurfaceSlot> surface_;
  std::shared_ptr<SurfaceSlot> Surface() const;
  RenderingMode mode_ = RenderingMode::Windowed;
  AspectRatioMode aspectMode_ = AspectRatioMode::LetterBox;
  bool doNotRenderBorder_ = false;
  QRect destination_;
};

}  // namespace motrevix
