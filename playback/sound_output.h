#pragma once
// Where the sound renderer plays: signed 16-bit interleaved samples at a fixed
// rate. A small interface with one real backend (Qt Multimedia) and a null one
// (no sound device: same timing, no sound).

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace motrevix {

class ISoundOutput {
 public:
  virtual ~ISoundOutput() = default;
  virtual bool Init(int sampleRate, int channels) = 0;
  // Takes as many whole sample frames as fit; returns the bytes taken.
  virtual std::size_t Play(const std::uint8_t* data, std::size_t bytes) = 0;
  // Seconds of sound taken but not yet heard.
  virtual double Delay() const = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  // Drops what it holds that has not yet been sent on to the device.
  virtual void Reset() = 0;
  // True for a real sound device, whose clock then paces playback; false for an
  // output that only keeps time.
  virtual bool IsDevice() const = 0;
};

using SoundOutputFactory = std::function<std::unique_ptr<ISoundOutput>()>;

// The Qt backend when a sound device exists (and a Qt application runs), the null
// backend otherwise. MOTREVIX_SOUND_OUTPUT=null forces the null backend.
std::unique_ptr<ISoundOutput> MakeDefaultSoundOutput();

}  // namespace motrevix
