// The H.264 repair: the script's line, its quoting through a real shell, and runs of
// the script with a stand-in ffmpeg that records its arguments and with the real one.
#include "repair/h264_repair.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "tests/repair/repair_test_media.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_support.h"

namespace motrevix::repair {
namespace {

namespace fs = std::filesystem;

// Paths a user may really have, and paths that would run commands if pasted into a
// shell unquoted (and one far longer than 100 bytes, used whole).
const std::vector<std::string> kAwkwardPaths = {
    "/media/card/Normal/N_2024_05_17_08_31_05.AVI",
    "/home/me/dash cam/Event clip 1.AVI",
    "/home/me/it's mine/a.AVI",
    "/home/me/$HOME/${PATH}.AVI",
    "/home/me/`touch pwned-backtick`.AVI",
    "/home/me/a;touch pwned-semicolon;b.AVI",
    "/home/me/$(touch pwned-dollar)|&>< \\\"x\".AVI",
    "-starts-with-dash.AVI",
    "/home/me/" + std::string(120, 'd') + "/" + std::string(120, 'f') + ".AVI",
};

TEST(H264Repair, ScriptLineQuotesThePath) {
  EXPECT_EQ(BuildFfmpegScriptLine("/clips/a.avi"),
            "ffmpeg -i '/clips/a.avi'  -r 30 -vcodec copy  Repair_Corvid_case1.mp4");
  EXPECT_EQ(BuildFfmpegScriptLine("/my clips/it's.avi"),
            "ffmpeg -i '/my clips/it'\\''s.avi'  -r 30 -vcodec copy  Repair_Corvid_case1.mp4");
  // The shell reads every quoted path back as exactly the path, one word.
  for (const std::string& path : kAwkwardPaths) {
    const auto echoed = test::Run("/bin/sh", {"-c", "printf '%s|' " + QuoteForShell(path)});
    EXPECT_EQ(echoed.out, path + "|");
  }
}

// Waits for the started command to remove its work files.
bool WaitForCleanUp(const fs::path& recovery) {
  for (int i = 0; i < 300; ++i) {
    if (!fs::exists(recovery / kH264ScriptFile) && !fs::exists(recovery / kFfmpegCopyFile))
      return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  return false;
}

H264RepairJob JobIn(const fs::path& dir, const fs::path& damaged) {
  H264RepairJob job;
  job.damagedFile = damaged;
  job.workingFolder = damaged.parent_path();
  job.locations.recoveryFolder = dir / "cache home" / "motrevix" / "Recovery";
  job.locations.ffmpegProgram = "/usr/bin/ffmpeg";
  return job;
}

// A copy already in the recovery folder is kept and used: here one that writes its
// arguments one a line, so the test sees exactly what ffmpeg would get.
TEST(H264Repair, ScriptHandsThePathToFfmpegAsOneArgument) {
  for (const std::string& awkward : kAwkwardPaths) {
    const fs::path dir = test::ScratchDir();
    const fs::path folder = dir / ("in " + fs::path(awkward).parent_path().filename().string());
    fs::create_directories(folder);
    const fs::path damaged = folder / fs::path(awkward).filename();
    test::WriteBytes(damaged, {1, 2, 3});
    H264RepairJob job = JobIn(dir, damaged);
    fs::create_directories(job.locations.recoveryFolder);
    {
      std::ofstream fake(job.locations.recoveryFolder / kFfmpegCopyFile);
      fake << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > arguments.txt\n";
    }
    fs::permissions(job.locations.recoveryFolder / kFfmpegCopyFile, fs::perms::owner_all);

    RecordingPrompt prompt;
    QtProcessLauncher launcher;
    ASSERT_TRUE(StartH264Repair(job, prompt, launcher)) << awkward;
    EXPECT_TRUE(prompt.messages.empty());
    ASSERT_TRUE(WaitForCleanUp(job.locations.recoveryFolder)) << awkward;

    std::ifstream in(folder / "arguments.txt");
    std::vector<std::string> arguments;
    for (std::string line; std::getline(in, line);) arguments.push_back(line);
    const std::vector<std::string> expected = {"-i",      damaged.string(), "-r",           "30",
                                               "-vcodec", "copy",           kH264ResultFile};
    EXPECT_EQ(arguments, expected) << awkward;
    for (const auto& entry : fs::recursive_directory_iterator(dir))
      EXPECT_EQ(entry.path().filename().string().rfind("pwned", 0), std::string::npos)
          << entry.path();
  }
}

TEST(H264Repair, RealFfmpegCopiesTheVideoBesideTheDamagedFile) {
  const fs::path dir = test::ScratchDir();
  const fs::path folder = dir / "dash cam's clips";
  fs::create_directories(folder);
  const fs::path damaged = folder / "E_2024_05_17_08_31_05.AVI";
  ASSERT_EQ(test::RunTool("make-recording", {"--out", damaged.string(), "--seconds", "1", "--front",
                                             "160x120", "--rear", "160x120"})
                .exitCode,
            0);
  const H264RepairJob job = JobIn(dir, damaged);
  ASSERT_FALSE(fs::exists(job.locations.recoveryFolder));

  RecordingPrompt prompt;
  QtProcessLauncher launcher;
  ASSERT_TRUE(StartH264Repair(job, prompt, launcher));
  EXPECT_TRUE(fs::is_directory(job.locations.recoveryFolder));
  ASSERT_TRUE(WaitForCleanUp(job.locations.recoveryFolder));

  const test::ProbedFile probed = test::Probe(folder / kH264ResultFile);
  ASSERT_TRUE(probed.ok);
  ASSERT_FALSE(probed.streams.empty());
  EXPECT_EQ(probed.streams[0].codecName, "h264");
  EXPECT_EQ(probed.streams[0].width, 160);
}

TEST(H264Repair, MissingFfmpegIsToldAndLeavesNothing) {
  const fs::path dir = test::ScratchDir();
  H264RepairJob job = JobIn(dir, dir / "a.AVI");
  job.locations.ffmpegProgram = dir / "no-ffmpeg";
  RecordingPrompt prompt;
  QtProcessLauncher launcher;
  EXPECT_FALSE(StartH264Repair(job, prompt, launcher));
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].text, "Error : can't copy " + job.locations.ffmpegProgram.string() +
                                         " to " + job.locations.recoveryFolder.string());
  EXPECT_TRUE(fs::is_empty(job.locations.recoveryFolder));
}

TEST(H264Repair, RecoveryFolderThatCannotBeMadeIsTold) {
  const fs::path dir = test::ScratchDir();
  H264RepairJob job = JobIn(dir, dir / "a.AVI");
  fs::create_directories(job.locations.recoveryFolder.parent_path());
  test::WriteBytes(job.locations.recoveryFolder, {1});  // a file where the folder should be
  RecordingPrompt prompt;
  QtProcessLauncher launcher;
  EXPECT_FALSE(StartH264Repair(job, prompt, launcher));
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].text,
            "Error : can't create the folder " + job.locations.recoveryFolder.string());
}

}  // namespace
}  // namespace motrevix::repair
