// Benchmark of the viewer's real window against headless play, on bench-playback's
// recording (front 1920x1080, rear 1280x720, H.264 at 30 fps, AAC): the main
// window, shown on an X display, plays the whole recording; then the engine plays
// it with headless surfaces of the panes' sizes, as bench-playback does. Each runs
// in a process of its own (this program started again), at rate 1.0 and at 2.0;
// it prints the whole-process CPU time of each, the ratio window / headless, and
// the pictures presented and dropped on each channel, and the main window's
// paint-and-flush rounds (one per picture is the least). Both play without sound
// (the null output), so that only the pictures differ.
// Usage: bench-window [--file RECORDING] [--seconds N] [--display :N] [--runs N] [--hide-map]
//   --runs N plays each kind N times per rate and prints the median ratios (the
//   CPU time of one play varies by several per cent from run to run).
//   --display :N starts Xvfb there unless a server runs on it; otherwise the
//   window goes to $DISPLAY. --hide-map hides the map page while playing, to
//   show what the page costs.
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QTimer>
#include <QWebEngineView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "app/qt_user_prompt.h"
#include "app/sample_player_dlg.h"
#include "app/scene_graph_backend.h"
#include "app/startup_list.h"
#include "bench/support/child_cpu.h"
#include "bench/support/median.h"
#include "playback/headless_video_surface.h"
#include "playback/null_sound_output.h"
#include "playback/playback_controller.h"

extern "C" {
#include <libavutil/log.h>
}

extern char** environ;

namespace {
namespace fs = std::filesystem;
using motrevix::bench::ChildRun;
using motrevix::bench::Median;
using motrevix::bench::RunChild;
using motrevix::bench::SelfCpu;
using Clock = std::chrono::steady_clock;
constexpr std::int64_t kEndMarginMs = 150;

// What one play reports back to the parent: counters and its CPU time while playing.
struct PlayResult {
  long long presented[2] = {0, 0};
  long long dropped[2] = {0, 0};
  double playCpu = 0;
  double playWall = 0;
  long long repaints = 0;  // the main window's paint-and-flush rounds while playing
};

// Counts the paint-and-flush rounds of the main window (its update requests).
class RepaintCounter : public QObject {
 public:
  explicit RepaintCounter(QObject* window) : window_(window) {}
  long long rounds = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::UpdateRequest && watched == window_) ++rounds;
    return false;
  }

 private:
  QObject* window_;
};

bool WriteResult(const std::string& path, const PlayResult& r) {
  std::ofstream out(path);
  out << r.presented[0] << ' ' << r.dropped[0] << ' ' << r.presented[1] << ' ' << r.dropped[1]
      << ' ' << r.playCpu << ' ' << r.playWall << ' ' << r.repaints << '\n';
  return static_cast<bool>(out);
}

bool ReadResult(const std::string& path, PlayResult& r) {
  std::ifstream in(path);
  return static_cast<bool>(in >> r.presented[0] >> r.dropped[0] >> r.presented[1] >> r.dropped[1] >>
                           r.playCpu >> r.playWall >> r.repaints);
}

PlayResult CountersOf(motrevix::CPlaybackGraph& graph) {
  PlayResult r;
  for (int channel = 0; channel < 2; ++channel) {
    r.presented[channel] = graph.PresentedFrames(channel + 1);
    r.dropped[channel] = graph.DroppedFrames(channel + 1);
  }
  return r;
}

motrevix::ComponentOptions WithoutSound() {
  motrevix::ComponentOptions options;
  options.soundOutput = [] { return std::make_unique<motrevix::NullSoundOutput>(); };
  return options;
}

// The engine with headless surfaces of the panes' sizes (as bench-playback).
int PlayHeadless(const std::string& file, double rate, const std::string& resultPath) {
  motrevix::CPlaybackController controller(WithoutSound());
  motrevix::HeadlessVideoSurface front(QSize(750, 422)), rear(QSize(310, 233));
  controller.Attach(&front, &rear);
  const double cpuBefore = SelfCpu();
  const auto wallBefore = Clock::now();
  if (!controller.Open(file)) return 1;
  motrevix::CPlaybackGraph& graph = *controller.Graph();
  const std::int64_t duration = controller.GetDurationMs();
  graph.Run();
  controller.SetRate(static_cast<float>(rate));
  const auto limit = std::chrono::milliseconds(static_cast<long long>(duration / rate) * 2 + 10000);
  while (controller.GetPositionMs() < duration - kEndMarginMs && Clock::now() - wallBefore < limit)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  PlayResult result = CountersOf(graph);
  result.playWall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
  controller.Close();
  result.playCpu = SelfCpu() - cpuBefore;
  return WriteResult(resultPath, result) ? 0 : 1;
}

// The viewer's main window, as the program starts it with the file listed and
// --play, at the given rate.
int PlayInWindow(int argc, char* argv[], const std::string& file, double rate, bool hideMap,
                 const std::string& resultPath) {
  // As the viewer starts: the map page's browser shares OpenGL contexts, and its
  // sandbox refuses to start as root.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (::geteuid() == 0) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox");
  motrevix::UseSoftwareSceneGraphUnlessChosen();
  QApplication app(argc, argv);
  const motrevix::StartupList list =
      motrevix::ListFromArguments(std::nullopt, {QString::fromStdString(file)});
  if (!list.error.isEmpty()) return 1;
  motrevix::MainWindowOptions options;
  options.components = WithoutSound();
  options.forceOnline = false;
  motrevix::QtUserPrompt prompt;
  motrevix::CSamplePlayerDlg window(prompt, options);
  prompt.SetParent(&window);
  window.SetListedRows(list.rows, list.folder);
  RepaintCounter repaints(&window);
  window.installEventFilter(&repaints);
  PlayResult result;
  double cpuBefore = 0;
  Clock::time_point wallBefore;
  bool rateSet = false;
  bool finished = false;
  QTimer::singleShot(0, &window, [&] {
    cpuBefore = SelfCpu();
    wallBefore = Clock::now();
    repaints.rounds = 0;
    window.OnPlayPause();
  });
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    motrevix::CPlaybackController& player = window.Player();
    motrevix::CPlaybackGraph* graph = player.Graph();
    if (graph == nullptr || finished) return;
    if (hideMap && window.MapView() != nullptr) window.MapView()->hide();
    if (!rateSet && graph->GetState() == motrevix::PlayState::Running) {
      player.SetRate(static_cast<float>(rate));
      rateSet = true;
    }
    // The window opens the next listed recording (here the same one) once the end
    // is reached: stop just before, so that one play is counted.
    const std::int64_t duration = player.GetDurationMs();
    if (duration > 0 && player.GetPositionMs() >= duration - kEndMarginMs) {
      result = CountersOf(*graph);
      result.playWall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
      result.playCpu = SelfCpu() - cpuBefore;
      result.repaints = repaints.rounds;
      finished = true;
      window.done(QDialog::Accepted);
    }
  });
  poll.start(20);
  window.exec();
  return finished && WriteResult(resultPath, result) ? 0 : 1;
}

// An X server on `display` (":21"), started here unless one runs there; 0 when
// none was started.
pid_t StartXvfb(const std::string& display) {
  const fs::path socket = "/tmp/.X11-unix/X" + display.substr(1);
  if (fs::exists(socket)) return 0;
  std::vector<std::string> args = {"Xvfb",         display,     "-screen", "0",
                                   "1920x1080x24", "-nolisten", "tcp"};
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (posix_spawnp(&pid, "Xvfb", nullptr, nullptr, argv.data(), environ) != 0) return -1;
  for (int i = 0; i < 100 && !fs::exists(socket); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  return fs::exists(socket) ? pid : -1;
}

void PrintRun(const char* what, const ChildRun& run, const PlayResult& r) {
  std::printf(
      "  %-8s cpu %6.2f s (while playing %6.2f s), wall %6.2f s; front presented %lld dropped "
      "%lld, rear presented %lld dropped %lld; main window repaints %lld\n",
      what, run.cpu, r.playCpu, r.playWall, r.presented[0], r.dropped[0], r.presented[1],
      r.dropped[1], r.repaints);
}

}  // namespace

int main(int argc, char* argv[]) {
  std::string file, display, child, resultPath;
  int seconds = 30;
  double rate = 1.0;
  bool hideMap = false;
  int runs = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--file" && hasValue)
      file = argv[++i];
    else if (arg == "--seconds" && hasValue)
      seconds = std::stoi(argv[++i]);
    else if (arg == "--display" && hasValue)
      display = argv[++i];
    else if (arg == "--child" && hasValue)  // window | headless: one play, for the parent
      child = argv[++i];
    else if (arg == "--rate" && hasValue)
      rate = std::stod(argv[++i]);
    else if (arg == "--result" && hasValue)
      resultPath = argv[++i];
    else if (arg == "--runs" && hasValue)  // plays of each kind per rate; the median is printed
      runs = std::max(1, std::stoi(argv[++i]));
    else if (arg == "--hide-map")  // the window's share without the map page
      hideMap = true;
    else {
      std::fprintf(
          stderr,
          "Usage: bench-window [--file RECORDING] [--seconds N] [--display :N] [--runs N]\n");
      return 2;
    }
  }
  av_log_set_level(AV_LOG_ERROR);
  if (child == "headless") return PlayHeadless(file, rate, resultPath);
  if (child == "window") {
    int qtArgc = 1;
    return PlayInWindow(qtArgc, argv, file, rate, hideMap, resultPath);
  }

  const fs::path self = fs::canonical("/proc/self/exe");
  const fs::path work =
      fs::temp_directory_path() / ("motrevix-bench-window-" + std::to_string(getpid()));
  fs::create_directories(work);
  if (file.empty()) {
    file = (work / "bench.AVI").string();
    std::printf("making a %d s recording (1920x1080 + 1280x720, H.264 30 fps, AAC)...\n", seconds);
    std::fflush(stdout);
    const ChildRun made = RunChild({(self.parent_path() / "make-recording").string(), "--out", file,
                                    "--seconds", std::to_string(seconds), "--front", "1920x1080",
                                    "--rear", "1280x720", "--fps", "30", "--audio", "aac"});
    if (!made.ok) {
      std::fprintf(stderr, "bench-window: make-recording failed\n");
      return 1;
    }
  }
  pid_t xvfb = 0;
  std::vector<std::string> env = {"MOTREVIX_SETTINGS_FILE=" + (work / "registry.ini").string(),
                                  "QT_QPA_PLATFORM=xcb"};
  if (!display.empty()) {
    xvfb = StartXvfb(display);
    if (xvfb < 0) {
      std::fprintf(stderr, "bench-window: cannot start Xvfb on %s\n", display.c_str());
      return 1;
    }
    env.push_back("DISPLAY=" + display);
  }
  std::printf("file: %s\n", file.c_str());
  int status = 0;
  for (const double r : {1.0, 2.0}) {
    const std::string rateText = std::to_string(r);
    std::vector<double> wholeRatios, playingRatios;
    for (int run = 1; run <= runs; ++run) {
      PlayResult windowed, headless;
      const std::string windowResult = (work / "window.txt").string();
      const std::string headlessResult = (work / "headless.txt").string();
      std::vector<std::string> windowArgs = {self.string(), "--child",  "window",
                                             "--file",      file,       "--rate",
                                             rateText,      "--result", windowResult};
      if (hideMap) windowArgs.push_back("--hide-map");
      const ChildRun window = RunChild(windowArgs, env);
      const ChildRun plain = RunChild({self.string(), "--child", "headless", "--file", file,
                                       "--rate", rateText, "--result", headlessResult},
                                      env);
      if (!window.ok || !ReadResult(windowResult, windowed) || !plain.ok ||
          !ReadResult(headlessResult, headless)) {
        std::fprintf(stderr, "bench-window: a play at %.1f failed\n", r);
        status = 1;
        continue;
      }
      std::printf("rate %.1f, run %d of %d:\n", r, run, runs);
      PrintRun("window", window, windowed);
      PrintRun("headless", plain, headless);
      wholeRatios.push_back(window.cpu / plain.cpu);
      playingRatios.push_back(windowed.playCpu / headless.playCpu);
      std::printf(
          "  ratio window / headless: whole process %.2f, while playing %.2f (target <= 1.3; "
          "target: 0 dropped)\n",
          wholeRatios.back(), playingRatios.back());
      std::fflush(stdout);
    }
    if (runs > 1 && !wholeRatios.empty())
      std::printf("rate %.1f: median of %zu runs: whole process %.2f, while playing %.2f\n", r,
                  wholeRatios.size(), Median(wholeRatios), Median(playingRatios));
  }
  if (xvfb > 0) {
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
  }
  fs::remove_all(work);
  return status;
}
