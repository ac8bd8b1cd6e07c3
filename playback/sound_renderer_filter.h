#pragma once
// The sound renderer ("DirectSound Audio Renderer"): plays decoded sound (or PCM
// straight from the source) on the graph's clock through a sound output, at the
// playback rate with its pitch kept, with balance and the process-wide volume.

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include "platform/av_handles.h"
#include "playback/audio_tempo.h"
#include "playback/base_filter.h"
#include "playback/media_sample.h"
#include "playback/sample_queue.h"
#include "playback/sound_output.h"
#include "playback/sound_timeline.h"
#include "playback/stream_roles.h"
#include "playback/streaming_worker.h"

namespace motrevix {

class IBasicAudio {
 public:
  virtual ~IBasicAudio() = default;
  // -10000 (left only) to 10000 (right only), in hundredths of a decibel; 0 centre.
  virtual HResult put_Balance(long balance) = 0;
  virtual HResult get_Balance(long* balance) const = 0;
};

class CSoundRendererFilter : public CBaseFilter, public IPresentationSink, public IBasicAudio {
 public:
  explicit CSoundRendererFilter(std::unique_ptr<ISoundOutput> output);
  ~CSoundRendererFilter() override;

  bool AcceptsInput(const CPin& input, const MediaType& type) const override;
  HResult CompleteConnect(CPin& pin, const MediaType& type) override;
  void BreakConnect(CPin& pin) override;
  bool Receive(CPin& input, MediaSample&& sample) override;
  void StartStreaming() override;
  void RequestStop() override;
  void JoinStreaming() override;
  void Flush() override;
  void OnRunStateChanged(bool running) override;
  Backlog InputBacklog() const override;

  bool IsCued() const override { return true; }
  bool HasPresented() const override { return played_; }
  bool ReachedEnd() const override;

  HResult put_Balance(long balance) override;
  HResult get_Balance(long* balance) const override;

  ISoundOutput* Output() const { return output_.get(); }
  // Blocks of sound skipped because their time had passed.
  long long LateDrops() const { return lateDrops_; }

 private:
  void PlayLoop();
  void PlaySample(MediaSample& sample, double rate);
  // Plays a block whose first frame is at media time `start` (when given; else
  // it follows what was written before) and tells the clock what is heard now.
  void Write(AVFrame* frame, double rate, std::optional<MediaTime> start);
  void ReportHeard();

  CPin& input_;
  std::unique_ptr<ISoundOutput> output_;
  av::CodecContext pcmDecoder_;  // PCM packets from the source
  MediaType inputType_;
  std::shared_ptr<const struct StreamFormat> format_;
  av::Swr resampler_;
  int outputRate_ = 0;
  AudioTempo tempo_;
  std::int64_t tempoPts_ = 0;
  // Media time at the end of what was written to the output, and what it holds.
  MediaTime writtenEnd_ = 0;
  bool writtenEndKnown_ = false;
  // Media time at the end of what was fed to the tempo filter, which holds some of
  // it back.
  MediaTime fedEnd_ = 0;
  SoundTimeline timeline_;
  SampleQueue<MediaSample> queue_;
  StreamingWorker<SampleQueue<MediaSample>> worker_{queue_};
  std::atomic<bool> running_{false};
  std::atomic<bool> endOfStream_{false};
  std::atomic<bool> played_{false};
  std::atomic<long> balance_{0};
  std::atomic<long long> lateDrops_{0};
};

}  // namespace motrevix
