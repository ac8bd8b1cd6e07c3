// The repair window on its own, on Qt's offscreen platform, answered by a
// RecordingPrompt.
#include "repair/recovery_dialog.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <chrono>
#include <fstream>
#include <thread>

#include "repair/h264_repair.h"
#include "repair/mp4v_repair.h"
#include "tests/repair/repair_test_media.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_support.h"

namespace motrevix::repair {
namespace {

namespace fs = std::filesystem;

class QtEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "recovery_dialog_test";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};
const auto* const kQt = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

class RecoveryWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = test::ScratchDir();
    locations_.programFolder = test::BinDir();
    locations_.recoveryFolder = dir_ / "Recovery";
    locations_.ffmpegProgram = "/usr/bin/ffmpeg";
    locations_.repairProgram = dir_ / "ClipMendTool";
    window_ = std::make_unique<CRecovery>(prompt_, launcher_, locations_);
    window_->show();
  }
  void Click(const char* id) {
    auto* button = window_->findChild<QAbstractButton*>(id);
    ASSERT_NE(button, nullptr) << id;
    button->click();
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& m : prompt_.messages) texts.push_back(m.text);
    return texts;
  }

  fs::path dir_;
  RepairLocations locations_;
  RecordingPrompt prompt_;
  SpawnProcessLauncher launcher_;
  std::unique_ptr<CRecovery> window_;
};

TEST_F(RecoveryWindow, HasItsCaptionAndControls) {
  EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("영상 복원"));
  const struct {
    const char* id;
    const char* caption;
    QRect rect;
  } controls[] = {
      {"1139", "MP4V", {30, 34, 50, 16}},      {"1140", "H.264", {120, 36, 53, 13}},
      {"1120", "open", {188, 24, 93, 23}},     {"1141", "Recovery ", {284, 24, 93, 23}},
      {"1143", "Recovery", {284, 98, 93, 23}},
  };
  for (const auto& c : controls) {
    auto* button = window_->findChild<QAbstractButton*>(c.id);
    ASSERT_NE(button, nullptr) << c.id;
    EXPECT_EQ(button->text(), c.caption);
    EXPECT_EQ(button->geometry(), c.rect) << c.id;
  }
  QStringList groups;
  for (auto* group : window_->findChildren<QGroupBox*>()) groups << group->title();
  EXPECT_EQ(groups, QStringList({"Method 1", "Method 2", "Method 3"}));
}

TEST_F(RecoveryWindow, RecoveryBeforeAnyChoiceAsksForAFile) {
  Click("1141");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Select File!!!"});
  EXPECT_TRUE(window_->isVisible());
}

// A cancelled chooser sets the ready flag; with no method nothing happens.
TEST_F(RecoveryWindow, CancelledChooserMakesReadyWithoutMethod) {
  prompt_.chosenFile = "";
  Click("1120");
  EXPECT_TRUE(window_->IsReady());
  EXPECT_TRUE(window_->InputPath().isEmpty());
  Click("1141");
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_TRUE(window_->isVisible());
}

TEST_F(RecoveryWindow, Mp4vWithoutFileShowsBothMessagesAndHides) {
  Click("1139");
  EXPECT_EQ(window_->ChosenMethod(), CRecovery::Method::Mp4v);
  Click("1141");
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Error : can't open infile", "Recovery VGA!!!"}));
  EXPECT_FALSE(window_->isVisible());
}

TEST_F(RecoveryWindow, Mp4vRepairsTheChosenFileAndRepeatsOnTheNextPress) {
  const fs::path folder = dir_ / "card copy";
  fs::create_directories(folder);
  const fs::path recording = test::MakeMpeg4Recording(folder / "N.AVI", {"--channels", "1"});
  prompt_.chosenFile = recording.string();
  Click("1120");
  Click("1139");
  for (int press = 0; press < 2; ++press) {
    window_->show();
    Click("1141");
    EXPECT_FALSE(window_->isVisible());
    const auto probed = test::Probe(folder / kMp4vResultFile);
    ASSERT_TRUE(probed.ok);
    EXPECT_EQ(probed.streams.at(0).width, 640);
    EXPECT_FALSE(fs::exists(folder / kCarvedFile));
  }
  EXPECT_EQ(Messages(), (std::vector<std::string>{"Recovery VGA!!!", "Recovery VGA!!!"}));
}

TEST_F(RecoveryWindow, H264StartsTheScriptAndHides) {
  const fs::path recording = dir_ / "clip.AVI";
  test::WriteBytes(recording, {1, 2, 3});
  fs::create_directories(locations_.recoveryFolder);
  {
    std::ofstream fake(locations_.recoveryFolder / kFfmpegCopyFile);
    fake << "#!/bin/sh\nprintf '%s\\n' \"$2\" > ran.txt\n";
  }
  fs::permissions(locations_.recoveryFolder / kFfmpegCopyFile, fs::perms::owner_all);
  prompt_.chosenFile = recording.string();
  Click("1120");
  Click("1140");
  Click("1141");
  EXPECT_EQ(Messages(), std::vector<std::string>{"Recovery H.264_1!!!"});
  EXPECT_FALSE(window_->isVisible());
  ASSERT_TRUE(test::WaitForH264Runs(locations_.recoveryFolder));
  EXPECT_EQ(test::ReadBytes(dir_ / "ran.txt").size(), recording.string().size() + 1);
}

TEST_F(RecoveryWindow, RepairProgramIsStartedOrMissedAloud) {
  Click("1143");
  EXPECT_EQ(Messages(), std::vector<std::string>{"The repair program is not installed: " +
                                                 locations_.repairProgram.string()});
  EXPECT_TRUE(window_->isVisible());

  {
    std::ofstream program(locations_.repairProgram);
    program << "#!/bin/sh\ntouch started.txt\n";
  }
  fs::permissions(locations_.repairProgram, fs::perms::owner_all);
  Click("1143");
  EXPECT_FALSE(window_->isVisible());
  for (int i = 0; i < 100 && !fs::exists(dir_ / "started.txt"); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_TRUE(fs::exists(dir_ / "started.txt"));
  EXPECT_EQ(prompt_.messages.size(), 1u);
}

}  // namespace
}  // namespace motrevix::repair
