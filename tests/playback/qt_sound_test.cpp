// The Qt sound backend, heard for real: a private PulseAudio server with a null
// sink stands in for the sound card, and what reaches the sink is recorded from
// its monitor and analysed.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTimer>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <iterator>
#include <thread>

#include "playback/headless_video_surface.h"
#include "playback/playback_controller.h"
#include "playback/qt_sound_output.h"
#include "tests/playback/pulse_server.h"
#include "tests/playback/recordings.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {
namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Interleaved 16-bit samples of a WAV file as parecord writes it (the header's
// data length may be unset when the recorder is stopped, so read to the end).
std::vector<std::int16_t> WavSamples(const fs::path& file, int& sampleRate, int& channels) {
  std::ifstream in(file, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes.at(i)); };
  const std::size_t fmt = bytes.find("fmt ");
  const std::size_t data = bytes.find("data");
  if (fmt == std::string::npos || data == std::string::npos) return {};
  channels = at(fmt + 10) | (at(fmt + 11) << 8);
  sampleRate = at(fmt + 12) | (at(fmt + 13) << 8) | (at(fmt + 14) << 16);
  std::vector<std::int16_t> samples((bytes.size() - data - 8) / 2);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int16_t>(at(data + 8 + 2 * i) | (at(data + 9 + 2 * i) << 8));
  return samples;
}

// Longest stretch, in seconds, of tenth-second windows that carry a loud tone
// of about 440 Hz on the first channel.
double SecondsOfTone(const std::vector<std::int16_t>& samples, int sampleRate, int channels) {
  const std::size_t window = static_cast<std::size_t>(sampleRate) / 10;
  const std::size_t frames = samples.size() / channels;
  double best = 0;
  double run = 0;
  for (std::size_t start = 0; start + window <= frames; start += window) {
    double energy = 0;
    int crossings = 0;
    for (std::size_t i = start; i < start + window; ++i) {
      const double v = samples[i * channels];
      energy += v * v;
      if (i > start && (samples[(i - 1) * channels] < 0) != (v < 0)) ++crossings;
    }
    const double rms = std::sqrt(energy / window);
    const double frequency = crossings / 2.0 * 10.0;
    run = rms > 1000 && std::fabs(frequency - 440) <= 20 ? run + 0.1 : 0;
    best = std::max(best, run);
  }
  return best;
}

TEST(QtSoundOutputTest, TheRecordingsToneReachesTheSoundServer) {
  if (const std::string missing = PrivatePulseServer::MissingProgram(); !missing.empty())
    GTEST_SKIP() << missing << " is not installed";

  const fs::path dir = ScratchDir();
  setenv("MOTREVIX_SOUND_OUTPUT", "qt", 1);
  const fs::path recording = Recording({"AVI", 1, "h264", "aac", 2, false});
  UseScratchSettings();

  int argc = 1;
  char name[] = "qt_sound_test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);

  PrivatePulseServer server(dir);
  ASSERT_TRUE(server.Started()) << "PulseAudio did not start; see " << server.Log();
  ASSERT_TRUE(QtSoundOutput::Available());

  const fs::path heard = dir / "heard.wav";
  QProcess recorder;
  recorder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  recorder.setStandardOutputFile(QProcess::nullDevice());
  recorder.start("parecord",
                 {"-d", QString("%1.monitor").arg(PrivatePulseServer::kSink), "--latency-msec=20",
                  "--file-format=wav", QString::fromStdString(heard.string())});
  ASSERT_TRUE(recorder.waitForStarted(5000));
  // Recording starts once the recorder is connected to the sink's monitor.
  ASSERT_TRUE(WaitWithEvents(MonitorRecorderConnected, 10s));
  // An idle null sink renders in blocks of two seconds; it takes the recorder's
  // low latency from its next block on.
  WaitWithEvents([] { return false; }, 2500ms);

  {
    HeadlessVideoSurface front;
    HeadlessVideoSurface rear;
    CPlaybackController controller;
    controller.Attach(&front, &rear);
    controller.SourceReadMode = 0;
    ASSERT_TRUE(controller.Open(recording.string()));
    ASSERT_EQ(controller.Graph()->Run(), 0);
    const std::int64_t duration = controller.GetDurationMs();
    // The application's own event loop runs while the recording plays, as in the viewer.
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (controller.GetPositionMs() >= duration) QCoreApplication::quit();
    });
    poll.start(20);
    QTimer::singleShot(8s, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    WaitWithEvents([] { return false; }, 400ms);  // the sink's own buffer plays out
    controller.Close();
  }

  // The recorder writes with a delay of its own: wait until the file holds the
  // whole playing time (the sink's format is 44.1 kHz 16-bit stereo) or 10 s pass.
  const std::uintmax_t wanted = 44 + 44100 * 4 * 3;
  WaitWithEvents(
      [&] {
        std::error_code ec;
        return fs::file_size(heard, ec) >= wanted;
      },
      10s);
  recorder.terminate();
  recorder.waitForFinished(5000);

  int sampleRate = 0;
  int channels = 0;
  const auto samples = WavSamples(heard, sampleRate, channels);
  ASSERT_GT(sampleRate, 0);
  ASSERT_GT(channels, 0);
  // The recording holds 2 s of a 440 Hz tone; allow for the start and end windows.
  EXPECT_GE(SecondsOfTone(samples, sampleRate, channels), 1.6);
}

}  // namespace
}  // namespace motrevix::test
