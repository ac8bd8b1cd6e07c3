// Reading a recording's whole telemetry track (as the viewer does when it opens
// a recording) against ffprobe listing the same track's packets:
//   ffprobe -v quiet -show_packets -select_streams <track> FILE
// Without files it writes a 60-minute AVI and MP4 with make-recording (tiny
// pictures, one channel, no sound: 3,600 'G' and 36,000 'M' records each).
//
// telemetry-read-bench [--runs N] [FILE...]

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/av_handles.h"
#include "playback/text_track/telemetry_track_file.h"
#include "telemetry/telemetry_reader.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Runs a program with its output thrown away; its exit code, or -1.
int RunQuietly(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// ffprobe's stream specifier of the telemetry track: 's' in MP4; in AVI the data
// stream reads as of unknown type, which no type letter selects, so its index.
std::string TrackSpecifier(const fs::path& file) {
  AVFormatContext* raw = nullptr;
  if (avformat_open_input(&raw, file.c_str(), nullptr, nullptr) < 0) return {};
  motrevix::av::InputContext input(raw);
  for (unsigned i = 0; i < input->nb_streams; ++i) {
    const AVCodecParameters* par = input->streams[i]->codecpar;
    if (par->codec_type == AVMEDIA_TYPE_SUBTITLE) return "s";
    if (par->codec_type == AVMEDIA_TYPE_DATA || par->codec_type == AVMEDIA_TYPE_UNKNOWN)
      return std::to_string(i);
  }
  return {};
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

struct Timing {
  double best = 1e30;
  double median = 0;
};

template <typename Work>
Timing Measure(int runs, Work work) {
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    if (!work()) return {};
    times.push_back(Seconds(Clock::now() - start));
  }
  std::sort(times.begin(), times.end());
  return {times.front(), times[times.size() / 2]};
}

bool Bench(const fs::path& file, int runs) {
  std::size_t gps = 0, sensor = 0;
  const Timing ours = Measure(runs, [&] {
    motrevix::TelemetryTrackFile track;
    track.SetReadMode(0);
    if (!track.Open(file.string())) return false;
    motrevix::CTextData data;
    const auto summary = motrevix::ReadTelemetry(&track, data);
    gps = data.m_aGPS.size();
    sensor = data.m_aGSensor.size();
    return summary.end == motrevix::TelemetryReadEnd::kTrackEnd;
  });
  if (ours.median == 0) {
    std::fprintf(stderr, "%s: cannot read the telemetry track\n", file.c_str());
    return false;
  }
  const std::string specifier = TrackSpecifier(file);
  const std::vector<std::string> probe = {
      "ffprobe", "-v", "quiet", "-show_packets", "-select_streams", specifier, file.string()};
  const Timing reference = Measure(runs, [&] { return RunQuietly(probe) == 0; });
  if (reference.median == 0) {
    std::fprintf(stderr, "%s: ffprobe failed\n", file.c_str());
    return false;
  }
  std::printf("%s: %zu GPS and %zu G-sensor records\n", file.filename().c_str(), gps, sensor);
  std::printf("  motrevix ReadTelemetry   median %8.2f ms  best %8.2f ms\n", ours.median * 1e3,
              ours.best * 1e3);
  std::printf("  ffprobe -select_streams %s median %8.2f ms  best %8.2f ms\n", specifier.c_str(),
              reference.median * 1e3, reference.best * 1e3);
  std::printf("  ratio (median) %.3f   ratio (best) %.3f   target <= 0.5\n",
              ours.median / reference.median, ours.best / reference.best);
  return true;
}

fs::path OwnFolder() { return fs::read_symlink("/proc/self/exe").parent_path(); }

}  // namespace

int main(int argc, char* argv[]) {
  int runs = 7;
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--runs" && i + 1 < argc) {
      runs = std::max(1, std::atoi(argv[++i]));
    } else if (arg == "--help" || arg.starts_with("-")) {
      std::printf("Usage: telemetry-read-bench [--runs N] [FILE...]\n");
      return arg == "--help" ? 0 : 2;
    } else {
      files.emplace_back(arg);
    }
  }

  fs::path scratch;
  if (files.empty()) {
    scratch = fs::temp_directory_path() / ("motrevix-telemetry-bench-" + std::to_string(getpid()));
    fs::create_directories(scratch);
    const fs::path generator = OwnFolder() / "make-recording";
    for (const char* name : {"N_2024_05_17_08_31_05.AVI", "N_2024_05_17_08_31_05.MP4"}) {
      const fs::path file = scratch / name;
      std::printf("writing a 60-minute recording %s ...\n", file.c_str());
      if (RunQuietly({generator.string(), "--out", file.string(), "--seconds", "3600", "--fps", "1",
                      "--front", "80x16", "--channels", "1", "--audio", "none"}) != 0) {
        std::fprintf(stderr, "make-recording failed (%s)\n", generator.c_str());
        fs::remove_all(scratch);
        return 1;
      }
      files.push_back(file);
    }
  }
  bool ok = true;
  for (const fs::path& file : files) ok = Bench(file, runs) && ok;
  if (!scratch.empty()) fs::remove_all(scratch);
  return ok ? 0 : 1;
}
