// Benchmark of the playback engine against ffmpeg on one 30-second two-channel
// recording (front 1920x1080, rear 1280x720, H.264 at 30 fps, AAC):
//   - CPU time of playing it at rate 1.0 with headless outputs, against
//     `ffmpeg -i FILE -map 0:v -map 0:a -pix_fmt bgra -f null -`, and frames dropped;
//   - wall time of Open (graph built, first picture cued), against
//     `ffmpeg -i FILE -map 0:v -frames:v 1 -f null -`;
//   - peak memory of this process.
// Usage: bench-playback [--file RECORDING] [--seconds N]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

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

motrevix::ComponentOptions Headless() {
  motrevix::ComponentOptions options;
  options.soundOutput = [] { return std::make_unique<motrevix::NullSoundOutput>(); };
  return options;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::string file;
  int seconds = 30;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--file" && i + 1 < argc)
      file = argv[++i];
    else if (arg == "--seconds" && i + 1 < argc)
      seconds = std::stoi(argv[++i]);
    else {
      std::fprintf(stderr, "Usage: bench-playback [--file RECORDING] [--seconds N]\n");
      return 2;
    }
  }
  av_log_set_level(AV_LOG_ERROR);
  const fs::path binDir = fs::canonical("/proc/self/exe").parent_path();
  fs::path work;
  if (file.empty()) {
    work = fs::temp_directory_path() / ("motrevix-bench-playback-" + std::to_string(getpid()));
    fs::create_directories(work);
    file = (work / "bench.AVI").string();
    std::printf("making a %d s recording (1920x1080 + 1280x720, H.264 30 fps, AAC)...\n", seconds);
    std::fflush(stdout);
    const ChildRun made = RunChild({(binDir / "make-recording").string(), "--out", file,
                                    "--seconds", std::to_string(seconds), "--front", "1920x1080",
                                    "--rear", "1280x720", "--fps", "30", "--audio", "aac"});
    if (!made.ok) {
      std::fprintf(stderr, "bench-playback: make-recording failed\n");
      return 1;
    }
  }
  if (setenv("MOTREVIX_SETTINGS_FILE",
             (fs::temp_directory_path() / "motrevix-bench-registry.ini").c_str(), 1) != 0)
    return 1;

  // Open: build and first picture cued.
  std::vector<double> opens, ffmpegOpens;
  for (int i = 0; i < 3; ++i) {
    motrevix::CPlaybackController controller(Headless());
    motrevix::HeadlessVideoSurface front, rear;
    controller.Attach(&front, &rear);
    const auto start = Clock::now();
    if (!controller.Open(file)) {
      std::fprintf(stderr, "bench-playback: cannot open %s\n", file.c_str());
      return 1;
    }
    opens.push_back(std::chrono::duration<double>(Clock::now() - start).count());
    controller.Close();
    const ChildRun ref = RunChild({"ffmpeg", "-v", "error", "-nostdin", "-i", file, "-map", "0:v",
                                   "-frames:v", "1", "-f", "null", "-"});
    if (!ref.ok) {
      std::fprintf(stderr, "bench-playback: ffmpeg failed\n");
      return 1;
    }
    ffmpegOpens.push_back(ref.wall);
  }

  // Playing the whole recording at rate 1.0.
  motrevix::CPlaybackController controller(Headless());
  motrevix::HeadlessVideoSurface front(QSize(750, 422)), rear(QSize(310, 233));
  controller.Attach(&front, &rear);
  const double cpuBefore = SelfCpu();
  const auto wallBefore = Clock::now();
  if (!controller.Open(file)) return 1;
  motrevix::CPlaybackGraph& graph = *controller.Graph();
  const std::int64_t duration = controller.GetDurationMs();
  graph.Run();
  while (controller.GetPositionMs() < duration &&
         Clock::now() - wallBefore < std::chrono::milliseconds(duration * 2 + 10000))
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const double playWall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
  const long long presented1 = graph.PresentedFrames(1), dropped1 = graph.DroppedFrames(1);
  const long long presented2 = graph.PresentedFrames(2), dropped2 = graph.DroppedFrames(2);
  controller.Close();
  const double playCpu = SelfCpu() - cpuBefore;
  const ChildRun ref = RunChild({"ffmpeg", "-v", "error", "-nostdin", "-i", file, "-map", "0:v",
                                 "-map", "0:a", "-pix_fmt", "bgra", "-f", "null", "-"});
  if (!ref.ok) {
    std::fprintf(stderr, "bench-playback: ffmpeg failed\n");
    return 1;
  }
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const double peakMb = usage.ru_maxrss / 1024.0;

  const double open = Median(opens), ffmpegOpen = Median(ffmpegOpens);
  std::printf("file: %s (%lld ms)\n", file.c_str(), static_cast<long long>(duration));
  std::printf(
      "play at 1.0: cpu %.2f s (wall %.2f s), ffmpeg decode to bgra: cpu %.2f s, "
      "ratio %.2f (target <= 1.2)\n",
      playCpu, playWall, ref.cpu, playCpu / ref.cpu);
  std::printf(
      "frames: front presented %lld dropped %lld, rear presented %lld dropped %lld "
      "(target: 0 dropped)\n",
      presented1, dropped1, presented2, dropped2);
  std::printf(
      "open (built, first picture cued): %.3f s, ffmpeg first frame: %.3f s, ratio %.2f "
      "(target <= 1.5)\n",
      open, ffmpegOpen, open / ffmpegOpen);
  std::printf("peak memory: %.0f MB (target < 400 MB)\n", peakMb);
  if (!work.empty()) fs::remove_all(work);
  return 0;
}
