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

bool WaitForCleanUp(const fs::path& recovery) { return test::WaitForH264Runs(recovery); }

H264RepairJob JobIn(const fs::path& dir, const fs::path& damaged) {
  H264RepairJob job;
  job.damagedFile = damaged;
  job.workingFolder = damaged.parent_path();
  job.locations.recoveryFolder = dir / "cache home" / "motrevix" / "Recovery";
  job.locations.ffmpegProgram = "/usr/bin/ffmpeg";
  return job;
}

// Names are bytes: a folder and a file whose names are not UTF-8 reach ffmpeg unchanged.
const std::string kNotUtf8Path = "/home/me/caf\xe9 \xff/clip\xfe.AVI";

// An ffmpeg kept in the recovery folder is the one each run copies: here one that writes its
// arguments one a line, so the test sees exactly what ffmpeg would get.
TEST(H264Repair, ScriptHandsThePathToFfmpegAsOneArgument) {
  std::vector<std::string> paths = kAwkwardPaths;
  paths.push_back(kNotUtf8Path);
  for (const std::string& awkward : paths) {
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
    SpawnProcessLauncher launcher;
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
  SpawnProcessLauncher launcher;
  ASSERT_TRUE(StartH264Repair(job, prompt, launcher));
  EXPECT_TRUE(fs::is_directory(job.locations.recoveryFolder));
  ASSERT_TRUE(WaitForCleanUp(job.locations.recoveryFolder));

  const test::ProbedFile probed = test::Probe(folder / kH264ResultFile);
  ASSERT_TRUE(probed.ok);
  ASSERT_FALSE(probed.streams.empty());
  EXPECT_EQ(probed.streams[0].codecName, "h264");
  EXPECT_EQ(probed.streams[0].width, 160);
}

// Runs started together each run their own script with their own ffmpeg copy: each
// folder's result names its own recording, and a run that ends first removes
// nothing another still uses.
TEST(H264Repair, RunsStartedTogetherKeepTheirOwnScripts) {
  const fs::path dir = test::ScratchDir();
  H264RepairJob first = JobIn(dir, dir / "first" / "a.AVI");
  H264RepairJob second = JobIn(dir, dir / "second" / "b.AVI");
  for (const auto* job : {&first, &second}) {
    fs::create_directories(job->workingFolder);
    test::WriteBytes(job->damagedFile, {1, 2, 3});
  }
  fs::create_directories(first.locations.recoveryFolder);
  const fs::path kept = first.locations.recoveryFolder / kFfmpegCopyFile;
  {
    std::ofstream fake(kept);
    fake << "#!/bin/sh\nsleep 0.5\nprintf '%s\\n' \"$2\" > " << kH264ResultFile << "\n";
  }
  fs::permissions(kept, fs::perms::owner_all);

  RecordingPrompt prompt;
  SpawnProcessLauncher launcher;
  ASSERT_TRUE(StartH264Repair(first, prompt, launcher));
  ASSERT_TRUE(StartH264Repair(second, prompt, launcher));
  EXPECT_TRUE(prompt.messages.empty());
  ASSERT_TRUE(WaitForCleanUp(first.locations.recoveryFolder));
  for (const auto* job : {&first, &second}) {
    const auto result = test::ReadBytes(job->workingFolder / kH264ResultFile);
    EXPECT_EQ(std::string(result.begin(), result.end()), job->damagedFile.string() + "\n");
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(first.locations.recoveryFolder),
                          fs::directory_iterator()),
            1);
  EXPECT_TRUE(fs::exists(kept));
}

TEST(H264Repair, MissingFfmpegIsToldAndLeavesNothing) {
  const fs::path dir = test::ScratchDir();
  H264RepairJob job = JobIn(dir, dir / "a.AVI");
  job.locations.ffmpegProgram = dir / "no-ffmpeg";
  RecordingPrompt prompt;
  SpawnProcessLauncher launcher;
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
  SpawnProcessLauncher launcher;
  EXPECT_FALSE(StartH264Repair(job, prompt, launcher));
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].text,
            "Error : can't create the folder " + job.locations.recoveryFolder.string());
}

}  // namespace
}  // namespace motrevix::repair
