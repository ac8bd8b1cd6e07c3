#include "playback/null_sound_output.h"

#include <algorithm>

namespace motrevix {

bool NullSoundOutput::Init(int sampleRate, int channels) {
  std::lock_guard lock(mutex_);
  if (sampleRate <= 0 || channels <= 0) return false;
  sampleRate_ = sampleRate;
  channels_ = channels;
  bufferedFrames_ = 0;
  last_ = source_.Now();
  return true;
}

void NullSoundOutput::Drain(TimeSource::Duration now) const {
  if (!paused_) {
    const double seconds = std::chrono::duration<double>(now - last_).count();
    bufferedFrames_ = std::max(0.0, bufferedFrames_ - seconds * sampleRate_);
  }
  last_ = now;
}

std::size_t NullSoundOutput::Play(const std::uint8_t* data, std::size_t bytes) {
  std::size_t frames = 0;
  {
    std::lock_guard lock(mutex_);
    if (sampleRate_ == 0) return 0;
    Drain(source_.Now());
    const double room = bufferSeconds_ * sampleRate_ - bufferedFrames_;
    const std::size_t frameBytes = static_cast<std::size_t>(channels_) * sizeof(std::int16_t);
    frames = std::min(bytes / frameBytes, static_cast<std::size_t>(std::max(0.0, room)));
    bufferedFrames_ += static_cast<double>(frames);
    framesPlayed_ += static_cast<long long>(frames);
  }
  if (frames > 0) OnSamples(reinterpret_cast<const std::int16_t*>(data), frames);
  return frames * static_cast<std::size_t>(channels_) * sizeof(std::int16_t);
}

double NullSoundOutput::Delay() const {
  std::lock_guard lock(mutex_);
  if (sampleRate_ == 0) return 0;
  Drain(source_.Now());
  return bufferedFrames_ / sampleRate_;
}

void NullSoundOutput::Pause() {
  std::lock_guard lock(mutex_);
  Drain(source_.Now());
  paused_ = true;
}

void NullSoundOutput::Resume() {
  std::lock_guard lock(mutex_);
  Drain(source_.Now());
  paused_ = false;
}

void NullSoundOutput::Reset() {
  std::lock_guard lock(mutex_);
  bufferedFrames_ = 0;
  last_ = source_.Now();
}

long long NullSoundOutput::FramesPlayed() const {
  std::lock_guard lock(mutex_);
  return framesPlayed_;
}

}  // namespace motrevix
