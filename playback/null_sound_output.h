#pragma once
// A sound output without a device: consumes what it is given in real time, so the
// timing is that of a device, and discards it.

#include <chrono>
#include <mutex>

#include "playback/sound_output.h"
#include "playback/time_source.h"

namespace motrevix {

class NullSoundOutput : public ISoundOutput {
 public:
  // Consumes at the pace of `source`, which must outlive the output.
  explicit NullSoundOutput(double bufferSeconds = 0.2,
                           const TimeSource& source = MonotonicTimeSource())
      : source_(source), bufferSeconds_(bufferSeconds), last_(source.Now()) {}

  bool Init(int sampleRate, int channels) override;
  std::size_t Play(const std::uint8_t* data, std::size_t bytes) override;
  double Delay() const override;
  void Pause() override;
  void Resume() override;
  void Reset() override;
  bool IsDevice() const override { return false; }

  long long FramesPlayed() const;

 protected:
  // Called with every block taken (tests look at what would have been heard).
  virtual void OnSamples(const std::int16_t* /*samples*/, std::size_t /*frames*/) {}
  int SampleRate() const { return sampleRate_; }
  int Channels() const { return channels_; }

 private:
  void Drain(TimeSource::Duration now) const;

  const TimeSource& source_;
  mutable std::mutex mutex_;
  double bufferSeconds_;
  int sampleRate_ = 0;
  int channels_ = 0;
  mutable double bufferedFrames_ = 0;
  mutable TimeSource::Duration last_;
  bool paused_ = false;
  long long framesPlayed_ = 0;
};

}  // namespace motrevix
