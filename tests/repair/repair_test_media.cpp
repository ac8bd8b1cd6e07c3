#include "tests/repair/repair_test_media.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>

#include "repair/h264_repair.h"
#include "tests/support/test_support.h"

namespace motrevix::test {
namespace fs = std::filesystem;

bool WaitForH264Runs(const fs::path& recoveryFolder) {
  const auto running = [&recoveryFolder] {
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(recoveryFolder, error))
      if (entry.path().filename().string().rfind(repair::kH264RunFolderPrefix, 0) == 0) return true;
    return false;
  };
  for (int i = 0; i < 300 && running(); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  return !running();
}

Bytes ReadBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& file, const Bytes& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

fs::path MakeMpeg4Recording(const fs::path& file, const std::vector<std::string>& extra) {
  std::vector<std::string> args = {"--out", file.string(), "--video", "mpeg4",  "--seconds",
                                   "1",     "--front",     "640x480", "--rear", "160x120"};
  args.insert(args.end(), extra.begin(), extra.end());
  const ProcessResult made = RunTool("make-recording", args);
  EXPECT_EQ(made.exitCode, 0) << made.err;
  return file;
}

std::vector<std::size_t> VopOffsets(const Bytes& bytes) {
  std::vector<std::size_t> offsets;
  for (std::size_t i = 0; i + 3 < bytes.size(); ++i)
    if (bytes[i] == 0 && bytes[i + 1] == 0 && bytes[i + 2] == 1 && bytes[i + 3] == 0xB6)
      offsets.push_back(i);
  return offsets;
}

std::vector<Bytes> FrontPictures(const fs::path& recording) {
  const fs::path stream = recording.parent_path() / (recording.stem().string() + "-front.m4v");
  const ProcessResult copied = Run("ffmpeg", {"-v", "error", "-y", "-i", recording.string(), "-map",
                                              "0:v:0", "-c", "copy", "-f", "m4v", stream.string()});
  EXPECT_EQ(copied.exitCode, 0) << copied.err;
  const Bytes bytes = ReadBytes(stream);
  // Each picture runs to the next start code of any kind (a group of VOPs header may
  // come between two pictures).
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i + 3 < bytes.size(); ++i)
    if (bytes[i] == 0 && bytes[i + 1] == 0 && bytes[i + 2] == 1) starts.push_back(i);
  std::vector<Bytes> pictures;
  for (std::size_t i = 0; i < starts.size(); ++i) {
    if (bytes[starts[i] + 3] != 0xB6) continue;
    const std::size_t end = i + 1 < starts.size() ? starts[i + 1] : bytes.size();
    pictures.emplace_back(bytes.begin() + static_cast<long>(starts[i]),
                          bytes.begin() + static_cast<long>(end));
  }
  return pictures;
}

Bytes ConcatenatePictures(const std::vector<Bytes>& pictures) {
  Bytes all;
  for (const auto& p : pictures) all.insert(all.end(), p.begin(), p.end());
  return all;
}

}  // namespace motrevix::test
