// The pictures of one thumbnail page: ten 1920x1080 H.264 recordings (made by
// make-recording), each grabbed at 15 s and scaled into its cell in this process,
// against `ffmpeg -ss 15 -i FILE -frames:v 1 -f null -` run once per file on the
// same files in the same run. Prints both wall times and their ratio (the best of
// a few rounds each, the two taking turns).
//
// Usage: bench_thumbnail_page [--dir DIR] [--channels 1|2] [--keyframe-seconds N]
//                             [--rounds N]
// DIR keeps the recordings between runs (made when missing).
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "playback/thumbnail_stills.h"

extern char** environ;

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kFiles = 10;
constexpr double kPageSeconds = 15.0;
const QSize kCellSize(126, 174);

bool RunChild(const std::vector<std::string>& args, bool quiet) {
  std::vector<char*> argv;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (quiet) {
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  }
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
  fs::path dir = fs::temp_directory_path() / "motrevix-bench-thumbnails";
  int channels = 1;
  int keyframeSeconds = 1;
  int rounds = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--dir") == 0)
      dir = argv[i + 1];
    else if (std::strcmp(argv[i], "--channels") == 0)
      channels = std::atoi(argv[i + 1]);
    else if (std::strcmp(argv[i], "--keyframe-seconds") == 0)
      keyframeSeconds = std::atoi(argv[i + 1]);
    else if (std::strcmp(argv[i], "--rounds") == 0)
      rounds = std::max(1, std::atoi(argv[i + 1]));
  }

  const fs::path binDir = fs::canonical("/proc/self/exe").parent_path();
  fs::create_directories(dir);
  std::vector<std::string> files;
  for (int i = 0; i < kFiles; ++i) {
    const fs::path file =
        dir / ("N_2024_05_17_08_" + std::to_string(10 + i) + "_00_" + std::to_string(channels) +
               "ch_k" + std::to_string(keyframeSeconds) + ".AVI");
    if (!fs::exists(file)) {
      std::printf("making %s\n", file.c_str());
      std::fflush(stdout);
      if (!RunChild({(binDir / "make-recording").string(), "--out", file.string(), "--channels",
                     std::to_string(channels), "--seconds", "17", "--front", "1920x1080",
                     "--keyframe-seconds", std::to_string(keyframeSeconds)},
                    true)) {
        std::fprintf(stderr, "bench_thumbnail_page: make-recording failed\n");
        return 1;
      }
    }
    files.push_back(file.string());
  }

  double ours = 1e30;
  double reference = 1e30;
  for (int round = 0; round < rounds; ++round) {
    auto start = Clock::now();
    int pictures = 0;
    for (const auto& file : files) {
      const motrevix::ThumbnailStills stills =
          motrevix::GrabThumbnailStills(file, kPageSeconds, kCellSize);
      pictures += !stills.front.isNull();
    }
    ours = std::min(ours, Ms(Clock::now() - start));
    if (pictures != kFiles) {
      std::fprintf(stderr, "bench_thumbnail_page: %d of %d files gave a picture\n", pictures,
                   kFiles);
      return 1;
    }

    start = Clock::now();
    for (const auto& file : files) {
      if (!RunChild({"ffmpeg", "-nostdin", "-v", "error", "-ss", "15", "-i", file, "-frames:v", "1",
                     "-f", "null", "-"},
                    false)) {
        std::fprintf(stderr, "bench_thumbnail_page: ffmpeg failed on %s\n", file.c_str());
        return 1;
      }
    }
    reference = std::min(reference, Ms(Clock::now() - start));
  }

  std::printf(
      "thumbnail page, %d recordings 1920x1080 H.264, %d channel(s), key frame every %d s\n",
      kFiles, channels, keyframeSeconds);
  std::printf("  in-process grab of the page: %8.1f ms\n", ours);
  std::printf("  ffmpeg -ss 15 once per file: %8.1f ms\n", reference);
  std::printf("  ratio: %.3f (target at most 0.5)\n", ours / reference);
  return 0;
}
