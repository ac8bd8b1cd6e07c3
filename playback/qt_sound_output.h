#pragma once
// The real sound output: a Qt Multimedia QAudioSink pulling from a ring buffer that
// the sound renderer's thread fills. Made and driven on the thread that owns the
// Qt event loop; only Play and Delay come from the renderer's thread.

#include <memory>

#include "playback/sound_output.h"

namespace motrevix {

class QtSoundOutput : public ISoundOutput {
 public:
  QtSoundOutput();
  ~QtSoundOutput() override;

  // True when a Qt application runs and a default output device exists.
  static bool Available();

  bool Init(int sampleRate, int channels) override;
  std::size_t Play(const std::uint8_t* data, std::size_t bytes) override;
  double Delay() const override;
  void Pause() override;
  void Resume() override;
  void Reset() override;
  bool IsDevice() const override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace motrevix
