#include "tests/playback/recordings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <mutex>
#include <sstream>

#include "tests/support/test_support.h"

namespace motrevix::test {
namespace fs = std::filesystem;

namespace {
fs::path SharedFolder() {
  // Kept for the whole run (never destroyed), so the clean-up at exit can use it.
  static const fs::path* folder = new fs::path([] {
    const char* root = std::getenv("MOTREVIX_TEST_TMP");
    fs::path dir = (root != nullptr && *root != '\0' ? fs::path(root) : fs::temp_directory_path()) /
                   ("playback-recordings-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(SharedFolder(), ignored);
    });
    return dir;
  }());
  return *folder;
}
}  // namespace

std::string RecordingKind::Name() const {
  return std::to_string(channels) + "ch_" + video + "_" + audio + "_" + std::to_string(seconds) +
         "s" + (telemetry ? "" : "_notel") + (sound == "tone" ? "" : "_" + sound) + "." + container;
}

fs::path Recording(const RecordingKind& kind) {
  static std::mutex mutex;
  static std::map<std::string, fs::path> made;
  std::lock_guard lock(mutex);
  const std::string name = kind.Name();
  if (auto it = made.find(name); it != made.end()) return it->second;
  // Made once for the whole run by the test fixture, when it ran.
  if (const char* shared = std::getenv("MOTREVIX_TEST_RECORDINGS"); shared != nullptr) {
    std::error_code error;
    const fs::path made_once = fs::path(shared) / name;
    if (fs::is_regular_file(made_once, error) && fs::file_size(made_once, error) > 0) {
      made[name] = made_once;
      return made_once;
    }
  }
  const fs::path path = SharedFolder() / name;
  const ProcessResult result = RunTool(
      "make-recording",
      {"--out", path.string(), "--channels", std::to_string(kind.channels), "--video", kind.video,
       "--audio", kind.audio, "--seconds", std::to_string(kind.seconds), "--front", "160x120",
       "--rear", "160x120", "--telemetry", kind.telemetry ? "on" : "off", "--sound", kind.sound});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  made[name] = path;
  return path;
}

std::vector<double> PictureTimesMs(const fs::path& file, int videoStream) {
  const ProcessResult probe = Run(
      "ffprobe", {"-v", "error", "-select_streams", "v:" + std::to_string(videoStream),
                  "-show_entries", "packet=pts_time,dts_time", "-of", "csv=p=0", file.string()});
  EXPECT_EQ(probe.exitCode, 0) << probe.err;
  std::vector<double> times;
  std::istringstream lines(probe.out);
  for (std::string line; std::getline(lines, line);) {
    // "pts_time,dts_time"; AVI leaves the first one out ("N/A").
    const auto comma = line.find(',');
    std::string pts = line.substr(0, comma);
    std::string dts = comma == std::string::npos ? "" : line.substr(comma + 1);
    const std::string& use = pts != "N/A" && !pts.empty() ? pts : dts;
    if (use.empty() || use == "N/A") continue;
    times.push_back(std::stod(use) * 1000.0);
  }
  return times;
}

int PictureAt(const std::vector<double>& timesMs, double ms) {
  int index = 0;
  for (std::size_t i = 0; i < timesMs.size(); ++i)
    if (timesMs[i] <= ms + 1e-6) index = static_cast<int>(i);
  return index;
}

std::optional<pattern::FrameMark> MarkOf(const QImage& picture) {
  if (picture.isNull()) return std::nullopt;
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  return pattern::ReadMarkRgb32(rgb.constBits(), static_cast<int>(rgb.bytesPerLine()), rgb.width(),
                                rgb.height());
}

void UseScratchSettings() {
  static const fs::path file = SharedFolder() / "registry.ini";
  ::setenv("MOTREVIX_SETTINGS_FILE", file.c_str(), 1);
}

}  // namespace motrevix::test
