#pragma once
// A controller attached to two headless surfaces, with a sound output that
// records what it is given.

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "playback/headless_video_surface.h"
#include "playback/null_sound_output.h"
#include "playback/playback_controller.h"
#include "tests/playback/recordings.h"

namespace motrevix::test {

// Keeps every sample it takes (what a listener would have heard).
class RecordingSoundOutput : public NullSoundOutput {
 public:
  struct Log {
    std::mutex mutex;
    std::vector<std::int16_t> samples;  // interleaved stereo
    int sampleRate = 0;
  };
  explicit RecordingSoundOutput(std::shared_ptr<Log> log) : log_(std::move(log)) {}
  bool Init(int sampleRate, int channels) override {
    log_->sampleRate = sampleRate;
    return NullSoundOutput::Init(sampleRate, channels);
  }

 protected:
  void OnSamples(const std::int16_t* samples, std::size_t frames) override {
    std::lock_guard lock(log_->mutex);
    log_->samples.insert(log_->samples.end(), samples, samples + frames * Channels());
  }

 private:
  std::shared_ptr<Log> log_;
};

class PlayerTest : public ::testing::Test {
 protected:
  PlayerTest() : controller_(MakeOptions(sound_)) {
    controller_.Attach(&front_, &rear_);
    controller_.SourceReadMode = 0;
  }
  ~PlayerTest() override { controller_.Close(); }

  static ComponentOptions MakeOptions(const std::shared_ptr<RecordingSoundOutput::Log>& log) {
    UseScratchSettings();
    ComponentOptions options;
    options.soundOutput = [log] { return std::make_unique<RecordingSoundOutput>(log); };
    return options;
  }

  CPlaybackGraph& Graph() { return *controller_.Graph(); }

  // The frame mark of the picture a channel shows now (0 front, 1 rear).
  std::optional<pattern::FrameMark> Shown(int channel) {
    QImage picture;
    if (!controller_.GrabPicture(channel, picture)) return std::nullopt;
    return MarkOf(picture);
  }

  bool WaitCued() { return Graph().WaitUntilCued(3000); }

  static void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

  std::shared_ptr<RecordingSoundOutput::Log> sound_ = std::make_shared<RecordingSoundOutput::Log>();
  HeadlessVideoSurface front_{QSize(320, 180)};
  HeadlessVideoSurface rear_{QSize(160, 90)};
  CPlaybackController controller_;
};

}  // namespace motrevix::test
