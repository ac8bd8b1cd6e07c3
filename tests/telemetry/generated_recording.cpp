#include "tests/telemetry/generated_recording.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace motrevix::test {

std::filesystem::path MakeRecording(const std::filesystem::path& dir, const std::string& name,
                                    int seconds, const std::vector<std::string>& extra) {
  const std::filesystem::path path = dir / name;
  std::vector<std::string> args = {"--out",  path.string(), "--seconds", std::to_string(seconds),
                                   "--fps",  "5",           "--front",   "80x16",
                                   "--rear", "80x16",       "--start",   "2024-05-17 08:31:05"};
  args.insert(args.end(), extra.begin(), extra.end());
  const ProcessResult run = RunTool("make-recording", args);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return path;
}

}  // namespace motrevix::test
