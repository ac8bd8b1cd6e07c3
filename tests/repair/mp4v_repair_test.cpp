// The MP4V repair end to end: damaged generated recordings in, "Repair_Tansy.mp4"
// out, checked with ffprobe and decoded by ffmpeg.
#include "repair/mp4v_repair.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "tests/repair/repair_test_media.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_support.h"

namespace motrevix::repair {
namespace {

using test::Bytes;
namespace fs = std::filesystem;

// The container's header (everything before the first picture, and an MP4's movie
// box) overwritten, a stretch in the middle overwritten and garbage put in front of
// every fifth picture.
Bytes Damage(Bytes bytes) {
  std::mt19937 random(42);
  auto noise = [&](std::size_t n) {
    Bytes b(n);
    for (auto& x : b) x = static_cast<std::uint8_t>(random());
    return b;
  };
  const std::size_t firstPicture = test::VopOffsets(bytes).front();
  const Bytes header = noise(firstPicture);
  std::copy(header.begin(), header.end(), bytes.begin());
  const Bytes moov = {'m', 'o', 'o', 'v'};
  const auto box = std::search(bytes.begin(), bytes.end(), moov.begin(), moov.end());
  if (box != bytes.end()) {
    const Bytes index = noise(static_cast<std::size_t>(bytes.end() - box) + 4);
    std::copy(index.begin(), index.end(), box - 4);
  }
  const Bytes middle = noise(3000);
  std::copy(middle.begin(), middle.end(), bytes.begin() + static_cast<long>(bytes.size() / 2));
  const auto offsets = test::VopOffsets(bytes);
  for (std::size_t i = offsets.size(); i-- > 0;) {
    if (i % 5 != 0) continue;
    const Bytes garbage = noise(700);
    bytes.insert(bytes.begin() + static_cast<long>(offsets[i]), garbage.begin(), garbage.end());
  }
  return bytes;
}

struct RepairRun {
  RecordingPrompt prompt;
  std::ostringstream log;
};

void Repair(const fs::path& damaged, const fs::path& folder, RepairRun& run,
            const fs::path& esmux = test::BinDir() / "esmux") {
  SpawnProcessLauncher launcher;
  RunMp4vRepair({damaged, folder, esmux}, run.prompt, launcher, run.log);
}

std::vector<std::string> Texts(const RecordingPrompt& prompt) {
  std::vector<std::string> texts;
  for (const auto& m : prompt.messages) texts.push_back(m.text);
  return texts;
}

void ExpectNoWorkFiles(const fs::path& folder) {
  for (const char* name : {kCarvedFile, kRebuiltFile, kWrappedFile})
    EXPECT_FALSE(fs::exists(folder / name)) << name;
}

TEST(Mp4vRepair, RebuildsDamagedRecordingsIntoPlayableFiles) {
  for (const char* name : {"N_2024_05_17_08_31_05.AVI", "N_2024_05_17_08_31_05.MP4"}) {
    SCOPED_TRACE(name);
    const fs::path dir = test::ScratchDir() / (std::string("in ") + name);
    fs::create_directories(dir);
    const fs::path original = test::MakeMpeg4Recording(dir / name);
    const std::size_t frontPictures = test::FrontPictures(original).size();
    const fs::path damaged = dir / (std::string("damaged ") + name);
    test::WriteBytes(damaged, Damage(test::ReadBytes(original)));

    RepairRun run;
    Repair(damaged, dir, run);
    EXPECT_TRUE(run.prompt.messages.empty()) << run.prompt.messages[0].text;
    EXPECT_EQ(run.log.str(), "");
    ExpectNoWorkFiles(dir);

    const fs::path result = dir / kMp4vResultFile;
    const test::ProbedFile probed = test::Probe(result, true);
    ASSERT_TRUE(probed.ok);
    ASSERT_EQ(probed.streams.size(), 1u);
    EXPECT_EQ(probed.streams[0].codecName, "mpeg4");
    EXPECT_EQ(probed.streams[0].width, 640);
    EXPECT_EQ(probed.streams[0].height, 480);
    // Only pictures hit by the damage are lost; the rear pictures are left out.
    EXPECT_GE(probed.streams[0].frameCount, static_cast<long long>(frontPictures) - 4);
    EXPECT_LE(probed.streams[0].frameCount, static_cast<long long>(frontPictures));
    const auto decoded =
        test::Run("ffmpeg", {"-v", "error", "-i", result.string(), "-f", "null", "-"});
    EXPECT_EQ(decoded.exitCode, 0);
    EXPECT_EQ(decoded.err, "");
  }
}

TEST(Mp4vRepair, StopsWithTheMessagesOfItsErrors) {
  const fs::path dir = test::ScratchDir();
  const fs::path h264 = dir / "h264.AVI";
  ASSERT_EQ(test::RunTool("make-recording", {"--out", h264.string(), "--seconds", "1", "--front",
                                             "160x120", "--rear", "160x120"})
                .exitCode,
            0);
  Bytes noPictures = {0x00, 0x00, 0x01, 0xB6};
  for (int i = 0; i < 5000; ++i) noPictures.push_back(static_cast<std::uint8_t>(i * 7 + 3));
  test::WriteBytes(dir / "garbage.bin", noPictures);

  const struct {
    const char* name;
    fs::path input;
    std::vector<std::string> messages;
  } cases[] = {
      {"no file chosen", "", {"Error : can't open infile"}},
      {"missing file", dir / "gone.AVI", {"Error : can't open infile"}},
      {"no MPEG-4 visual pictures",
       h264,
       {"Error : can't extract mpeg4 bitstream from the infile"}},
      // Chunks but no decodable picture: esmux gets no picture and makes nothing.
      {"nothing decodable", dir / "garbage.bin", {}},
  };
  for (const auto& c : cases) {
    test::WriteBytes(dir / kMp4vResultFile, {1, 2, 3});
    RepairRun run;
    Repair(c.input, dir, run);
    EXPECT_EQ(Texts(run.prompt), c.messages) << c.name;
    ExpectNoWorkFiles(dir);
    const bool ranToTheEnd = c.messages.empty();
    EXPECT_EQ(fs::exists(dir / kMp4vResultFile), !ranToTheEnd) << c.name;
  }
}

// A damaged file under the name of a work file or of the result would be truncated
// or deleted by the run: it is refused and left as it was.
TEST(Mp4vRepair, RefusesADamagedFileNamedLikeItsOwnFiles) {
  const fs::path dir = test::ScratchDir();
  const Bytes recording =
      test::ReadBytes(test::MakeMpeg4Recording(dir / "clip.AVI", {"--channels", "1"}));
  for (const char* name : {kCarvedFile, kRebuiltFile, kWrappedFile, kMp4vResultFile}) {
    const fs::path damaged = dir / name;
    test::WriteBytes(damaged, recording);
    RepairRun run;
    Repair(damaged, dir, run);
    EXPECT_EQ(Texts(run.prompt), std::vector<std::string>{kWorkFileNameError}) << name;
    EXPECT_EQ(test::ReadBytes(damaged), recording) << name;
    fs::remove(damaged);
  }
}

// Only a regular file is read (a FIFO would block, /dev/zero never ends), and a
// damaged file that cannot be opened leaves work files already in the folder alone.
TEST(Mp4vRepair, InputThatIsNoRegularFileStopsBeforeTouchingTheFolder) {
  const fs::path dir = test::ScratchDir();
  ASSERT_EQ(mkfifo((dir / "pipe.AVI").c_str(), 0644), 0);
  fs::create_directories(dir / "folder.AVI");
  for (const fs::path& input : {dir / "gone.AVI", dir / "pipe.AVI", dir / "folder.AVI",
                                fs::path("/dev/zero"), fs::path("/dev/null")}) {
    SCOPED_TRACE(input.string());
    test::WriteBytes(dir / kCarvedFile, {1});
    test::WriteBytes(dir / kRebuiltFile, {2});
    RepairRun run;
    Repair(input, dir, run);
    EXPECT_EQ(Texts(run.prompt), std::vector<std::string>{"Error : can't open infile"});
    EXPECT_EQ(test::ReadBytes(dir / kCarvedFile), Bytes{1});
    EXPECT_EQ(test::ReadBytes(dir / kRebuiltFile), Bytes{2});
  }
}

TEST(Mp4vRepair, UnwritableFolderStopsBeforeCarving) {
  const fs::path dir = test::ScratchDir();
  const fs::path recording = test::MakeMpeg4Recording(dir / "clip.AVI", {"--channels", "1"});
  RepairRun run;
  Repair(recording, dir / "no such folder", run);
  EXPECT_EQ(Texts(run.prompt), std::vector<std::string>{"Error : can't open tmpfile wb"});
}

// Paths are used whole, however long, and as the bytes they are (a folder whose
// name is not UTF-8 reaches esmux as its working folder unchanged).
TEST(Mp4vRepair, PathsAreUsedWholeAndAsTheirBytes) {
  const struct {
    fs::path folder;
    std::string file;
  } cases[] = {
      {fs::path(std::string(120, 'd')) / std::string(120, 'e'), std::string(100, 'f') + ".AVI"},
      {"caf\xe9 \xff\xfe", "clip\xff.AVI"},
  };
  const fs::path scratch = test::ScratchDir();
  for (const auto& c : cases) {
    const fs::path dir = scratch / c.folder;
    SCOPED_TRACE(dir.string());
    fs::create_directories(dir);
    // Made and probed under plain names: the test's own tools take text paths.
    const fs::path made = scratch / "clip.AVI";
    test::MakeMpeg4Recording(made, {"--channels", "1"});
    const fs::path recording = dir / c.file;
    fs::rename(made, recording);
    RepairRun run;
    Repair(recording, dir, run);
    EXPECT_TRUE(run.prompt.messages.empty());
    EXPECT_EQ(run.log.str(), "");
    const fs::path result = scratch / kMp4vResultFile;
    fs::copy_file(dir / kMp4vResultFile, result, fs::copy_options::overwrite_existing);
    EXPECT_TRUE(test::Probe(result).ok);
  }
}

TEST(Mp4vRepair, MissingEsmuxIsReportedOnTheLogAndLeavesNoResult) {
  const fs::path dir = test::ScratchDir();
  const fs::path recording = test::MakeMpeg4Recording(dir / "clip.AVI", {"--channels", "1"});
  test::WriteBytes(dir / kMp4vResultFile, {1, 2, 3});
  RepairRun run;
  Repair(recording, dir, run, dir / "no-esmux-here");
  EXPECT_TRUE(run.prompt.messages.empty());
  EXPECT_EQ(run.log.str(), "Error : esmux execute\n");
  EXPECT_FALSE(fs::exists(dir / kMp4vResultFile));
  ExpectNoWorkFiles(dir);
}

}  // namespace
}  // namespace motrevix::repair
