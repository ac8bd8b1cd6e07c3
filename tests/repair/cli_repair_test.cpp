// motrevix-cli repair: the two methods without the window.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <chrono>
#include <thread>

#include "repair/h264_repair.h"
#include "repair/mp4v_repair.h"
#include "tests/repair/repair_test_media.h"
#include "tests/support/test_support.h"

namespace motrevix::repair {
namespace {

namespace fs = std::filesystem;

// Runs motrevix-cli with the user's cache folder moved into the test's folder.
test::ProcessResult RunCli(const std::vector<std::string>& args, const fs::path& cacheHome) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("XDG_CACHE_HOME", QString::fromStdString(cacheHome.string()));
  process.setProcessEnvironment(environment);
  QStringList list;
  for (const auto& a : args) list << QString::fromStdString(a);
  process.start(QString::fromStdString((test::BinDir() / "motrevix-cli").string()), list);
  test::ProcessResult result;
  if (!process.waitForStarted() || !process.waitForFinished(60000)) return result;
  result.exitCode = process.exitCode();
  result.out = process.readAllStandardOutput().toStdString();
  result.err = process.readAllStandardError().toStdString();
  return result;
}

TEST(CliRepair, Mp4vWritesTheResultBesideTheFile) {
  const fs::path dir = test::ScratchDir() / "my clips";
  fs::create_directories(dir);
  const fs::path recording = test::MakeMpeg4Recording(dir / "N.MP4");
  const auto run = RunCli({"repair", "mp4v", recording.string()}, dir);
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out, (dir / kMp4vResultFile).string() + "\n");
  const auto probed = test::Probe(dir / kMp4vResultFile);
  ASSERT_TRUE(probed.ok);
  EXPECT_EQ(probed.streams.at(0).codecName, "mpeg4");
}

TEST(CliRepair, Mp4vErrorsAreReportedWithAFailingExit) {
  const fs::path dir = test::ScratchDir();
  const auto run = RunCli({"repair", "mp4v", (dir / "missing.AVI").string()}, dir);
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.err.find("Error : can't open infile"), std::string::npos) << run.err;
  EXPECT_EQ(run.out, "");
}

TEST(CliRepair, H264StartsFfmpegInTheBackground) {
  const fs::path dir = test::ScratchDir();
  const fs::path recording = dir / "E.AVI";
  ASSERT_EQ(test::RunTool("make-recording", {"--out", recording.string(), "--seconds", "1",
                                             "--front", "160x120", "--rear", "160x120"})
                .exitCode,
            0);
  const auto run = RunCli({"repair", "h264", recording.string()}, dir / "cache");
  EXPECT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(run.out.rfind((dir / kH264ResultFile).string(), 0), 0u) << run.out;
  const fs::path recovery = dir / "cache" / "motrevix" / "Recovery";
  // The started command removes its script, its ffmpeg copy and its run folder.
  ASSERT_TRUE(test::WaitForH264Runs(recovery));
  EXPECT_TRUE(fs::is_directory(recovery));
  EXPECT_TRUE(fs::is_empty(recovery));
  EXPECT_TRUE(test::Probe(dir / kH264ResultFile).ok);
}

TEST(CliRepair, WrongArgumentsGiveTheUsage) {
  const fs::path dir = test::ScratchDir();
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"repair"}, {"repair", "mp4v"}, {"repair", "vp9", "a.AVI"}}) {
    const auto run = RunCli(args, dir);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("Usage: motrevix-cli repair"), std::string::npos);
  }
}

}  // namespace
}  // namespace motrevix::repair
