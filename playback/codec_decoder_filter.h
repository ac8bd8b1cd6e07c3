#pragma once
// A decoder on libavcodec with one input and one output pin and a thread of its
// own: packets queue at the input, decoded frames go downstream. After a seek it
// waits for a key frame and drops what ends before the start time.

#include <atomic>
#include <thread>

#include "playback/base_filter.h"
#include "playback/media_sample.h"
#include "playback/sample_queue.h"
#include "playback/streaming_worker.h"

namespace motrevix {

struct StreamFormat;

class CCodecDecoderFilter : public CBaseFilter {
 public:
  ~CCodecDecoderFilter() override;

  HResult CompleteConnect(CPin& pin, const MediaType& type) override;
  void BreakConnect(CPin& pin) override;
  bool Receive(CPin& input, MediaSample&& sample) override;

  void StartStreaming() override;
  void RequestStop() override;
  void JoinStreaming() override;
  void Flush() override;
  void SetStartTime(MediaTime time) override;
  Backlog InputBacklog() const override;

  // The connected input's codec name and picture size (empty before connection).
  const MediaType& InputType() const { return inputType_; }

 protected:
  CCodecDecoderFilter(MajorType major, std::string inputPinName, std::string outputPinName);
  // The type the output pin offers once the input is connected.
  virtual MediaType OutputType(const MediaType& input) const = 0;
  // A decoded frame on its way downstream (picture stages for video).
  virtual void ProcessFrame(AVFrame* /*frame*/) {}

  CPin& input_;
  CPin& output_;

 private:
  void DecodeLoop();
  bool SendAndDrain(const AVPacket* packet);
  bool DeliverFrame();
  bool DeliverHeld();

  MajorType major_;
  MediaType inputType_;
  std::shared_ptr<const StreamFormat> format_;
  av::CodecContext codec_;
  av::Frame frame_;
  SampleQueue<MediaSample> queue_;
  std::atomic<std::size_t> queuedBytes_{0};
  StreamingWorker<SampleQueue<MediaSample>> worker_{queue_};
  bool waitForKey_ = true;
  MediaTime startTime_ = 0;
  MediaTime nextStart_ = 0;
  // Pictures up to the start time: only the last one is shown (it covers the start).
  MediaSample held_;
  bool holding_ = false;
  bool passedStart_ = false;
};

}  // namespace motrevix
