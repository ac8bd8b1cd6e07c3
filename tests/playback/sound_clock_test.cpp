// Pictures keep to the sound heard on a real sound server: a private PulseAudio
// server's null sink plays a recording with a click at every whole second while
// its monitor is recorded, and each click heard is set against the moment the
// picture of that second was presented, through a late-starting sink, a pause, a
// seek and a rate change. Times are measured, never bounded: a busy machine
// changes how long the run takes, not what it checks.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <optional>
#include <sstream>
#include <vector>

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
using Steady = std::chrono::steady_clock;

constexpr int kMonitorRate = 44100;
constexpr int kFps = 30;

double Ms(Steady::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// A surface that notes when it was first given each front picture, by its mark.
class TimedSurface : public HeadlessVideoSurface {
 public:
  void PresentPicture(std::shared_ptr<const QImage> picture, MediaTime time) override {
    const auto at = Steady::now();
    if (picture)
      if (const auto mark = MarkOf(*picture)) {
        std::lock_guard lock(mutex_);
        presented_.emplace(mark->frameNumber, at);  // keeps the first time
      }
    HeadlessVideoSurface::PresentPicture(std::move(picture), time);
  }
  std::optional<Steady::time_point> PresentedAt(int frame) const {
    std::lock_guard lock(mutex_);
    const auto it = presented_.find(frame);
    if (it == presented_.end()) return std::nullopt;
    return it->second;
  }

 private:
  mutable std::mutex mutex_;
  std::map<int, Steady::time_point> presented_;
};

// The sink's monitor as raw mono samples from parec, with when each piece came.
struct MonitorRecording {
  struct Arrival {
    std::size_t end;  // samples received by then
    Steady::time_point at;
  };
  std::vector<std::int16_t> samples;
  std::vector<Arrival> arrivals;
  QByteArray odd;

  void Take(const QByteArray& bytes, Steady::time_point at) {
    odd.append(bytes);
    const qsizetype whole = odd.size() / 2 * 2;
    for (qsizetype i = 0; i < whole; i += 2)
      samples.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(odd[i]) |
                                                  (static_cast<unsigned char>(odd[i + 1]) << 8)));
    odd.remove(0, whole);
    arrivals.push_back({samples.size(), at});
  }

  // When sample `index` reached the monitor: data never arrives before it was
  // rendered, and arrives late on a busy machine, so the earliest arrival of the
  // pieces that followed it closely, carried back by their distance, is the best
  // bound.
  std::optional<Steady::time_point> WhenHeard(std::size_t index) const {
    std::optional<Steady::time_point> best;
    for (const auto& a : arrivals) {
      if (a.end < index) continue;
      const std::size_t after = a.end - index;
      if (after > kMonitorRate / 4) break;
      const auto at = a.at - std::chrono::duration_cast<Steady::duration>(
                                 std::chrono::duration<double>(double(after) / kMonitorRate));
      if (!best || at < *best) best = at;
    }
    return best;
  }
};

// Where clicks start: a loud sample after at least 0.2 s without one.
std::vector<std::size_t> ClickOnsets(const std::vector<std::int16_t>& samples) {
  std::vector<std::size_t> onsets;
  std::optional<std::size_t> lastLoud;
  for (std::size_t i = 0; i < samples.size(); ++i) {
    if (std::abs(samples[i]) < 12000) continue;
    if (!lastLoud || i - *lastLoud > kMonitorRate / 5) onsets.push_back(i);
    lastLoud = i;
  }
  return onsets;
}

// The first sample of the quiet tone: the first 5 ms window whose level is that
// of the tone or louder.
std::optional<std::size_t> SoundOnset(const std::vector<std::int16_t>& samples) {
  const std::size_t window = kMonitorRate / 200;
  for (std::size_t start = 0; start + window <= samples.size(); start += window) {
    double energy = 0;
    for (std::size_t i = start; i < start + window; ++i) energy += double(samples[i]) * samples[i];
    if (std::sqrt(energy / window) > 300) return start;
  }
  return std::nullopt;
}

TEST(SoundClockOnAPulseAudioSink, PicturesKeepToTheClicksHeard) {
  if (const std::string missing = PrivatePulseServer::MissingProgram(); !missing.empty())
    GTEST_SKIP() << missing << " is not installed";
  const fs::path dir = ScratchDir();
  setenv("MOTREVIX_SOUND_OUTPUT", "qt", 1);
  // PCM: AAC in AVI starts with the encoder's priming (46 ms at 22050 Hz), which
  // the container cannot mark, so its sound lies that much behind its pictures.
  RecordingKind kind{"AVI", 2, "h264", "pcm", 20, false};
  kind.sound = "clicks";
  const fs::path recording = Recording(kind);
  UseScratchSettings();

  int argc = 1;
  char name[] = "sound_clock_test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  PrivatePulseServer server(dir);
  ASSERT_TRUE(server.Started()) << "PulseAudio did not start; see " << server.Log();
  ASSERT_TRUE(QtSoundOutput::Available());

  MonitorRecording heard;
  QProcess recorder;
  recorder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  QObject::connect(&recorder, &QProcess::readyReadStandardOutput,
                   [&] { heard.Take(recorder.readAllStandardOutput(), Steady::now()); });
  recorder.start("parec", {"-d", QString("%1.monitor").arg(PrivatePulseServer::kSink), "--raw",
                           "--format=s16le", QString("--rate=%1").arg(kMonitorRate), "--channels=1",
                           "--latency-msec=5"});
  ASSERT_TRUE(recorder.waitForStarted(5000));
  ASSERT_TRUE(WaitWithEvents(MonitorRecorderConnected, 10s));
  // Playing starts at once: the idle null sink still renders in long blocks and
  // starts late.

  // Media position over wall time, to tell which second a click belongs to.
  std::vector<std::pair<Steady::time_point, std::int64_t>> positions;
  std::vector<std::string> steps;
  {
    TimedSurface front;
    HeadlessVideoSurface rear;
    CPlaybackController controller;
    controller.Attach(&front, &rear);
    controller.SourceReadMode = 0;
    ASSERT_TRUE(controller.Open(recording.string()));
    const std::int64_t duration = controller.GetDurationMs();
    ASSERT_GE(duration, 19900);
    // Play to 5.5 s, pause 0.7 s, play on to 8.5 s, seek to 12.3 s, play to 15.5 s,
    // then at 2.0 to the end.
    enum class Phase { Playing, Paused, Resumed, Sought, Fast } phase = Phase::Playing;
    Steady::time_point pausedAt;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      const auto now = Steady::now();
      const std::int64_t position = controller.GetPositionMs();
      positions.emplace_back(now, position);
      if (phase == Phase::Playing && position >= 5500) {
        controller.Graph()->Pause();
        pausedAt = now;
        phase = Phase::Paused;
      } else if (phase == Phase::Paused && now - pausedAt >= 700ms) {
        controller.Graph()->Run();
        phase = Phase::Resumed;
      } else if (phase == Phase::Resumed && position >= 8500) {
        controller.SeekMs(12300);
        phase = Phase::Sought;
      } else if (phase == Phase::Sought && position >= 15500) {
        controller.SetRate(2.0f);
        phase = Phase::Fast;
      } else if (phase == Phase::Fast && position >= duration) {
        QCoreApplication::quit();
      }
    });
    poll.start(10);
    ASSERT_EQ(controller.Graph()->Run(), 0);
    QTimer::singleShot(120s, [] { QCoreApplication::exit(1); });  // a hang, not a slow run
    ASSERT_EQ(QCoreApplication::exec(), 0) << "the recording did not play to its end";
    // The end is reached once the device has played out what it holds.
    EXPECT_TRUE(WaitWithEvents([&] { return controller.Graph()->ReachedEnd(); }, 10s));
    WaitWithEvents([] { return false; }, 300ms);  // the monitor's last pieces come in
    controller.Close();

    const std::vector<std::size_t> clicks = ClickOnsets(heard.samples);
    ASSERT_FALSE(clicks.empty()) << "no click reached the sink's monitor";

    // Sound lost at the start: the tone starts at once, the click of the first
    // second follows a second later in the sound heard.
    const auto onset = SoundOnset(heard.samples);
    ASSERT_TRUE(onset.has_value());
    const auto firstFull = std::find_if(clicks.begin(), clicks.end(), [&](std::size_t c) {
      return c > *onset + kMonitorRate / 50;
    });
    ASSERT_NE(firstFull, clicks.end());
    const double lostMs = 1000.0 - (double(*firstFull - *onset) * 1000.0 / kMonitorRate);
    EXPECT_LE(lostMs, 100.0) << "sound lost at the start";

    // Each click heard against the picture of its second.
    std::ostringstream table;
    std::vector<int> seconds;
    for (const std::size_t click : clicks) {
      const auto at = heard.WhenHeard(click);
      if (!at) continue;
      const auto position = std::find_if(positions.rbegin(), positions.rend(),
                                         [&](auto& p) { return p.first <= *at; });
      if (position == positions.rend()) continue;
      const int second = static_cast<int>(std::lround(position->second / 1000.0));
      if (second == 0) continue;  // its picture was shown when the recording was opened
      const auto shown = front.PresentedAt(second * kFps);
      table << "  click " << second << " s: ";
      if (!shown) {
        ADD_FAILURE() << "the picture of second " << second << " was not presented";
        continue;
      }
      const double offsetMs = Ms(*at - *shown);
      table << offsetMs << " ms\n";
      EXPECT_LE(std::fabs(offsetMs), 40.0) << "at the click of second " << second;
      seconds.push_back(second);
    }
    std::printf("sound lost at the start: %.1f ms\nclick heard minus picture shown:\n%s", lostMs,
                table.str().c_str());
    // Every second that played at 1.0 is heard: 1-8 before the seek, 13-15 after.
    for (int s : {1, 2, 3, 4, 5, 6, 7, 8, 13, 14, 15})
      EXPECT_NE(std::find(seconds.begin(), seconds.end(), s), seconds.end())
          << "no click heard for second " << s;
  }
  recorder.terminate();
  recorder.waitForFinished(5000);
}

}  // namespace
}  // namespace motrevix::test
