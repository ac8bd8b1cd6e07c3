// Buttons 1016 and 1210 of the main window open the camera dialogs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>

#include "app/control_ids.h"
#include "config/tabset_dlg.h"
#include "format/fat32_formatter_dlg.h"
#include "platform/volume_sources.h"
#include "tests/app/window_fixture.h"
#include "tests/format/format_test_helpers.h"

namespace motrevix::test {
namespace {

namespace fs = std::filesystem;

using CameraDialogs = MainWindowTest;

TEST_F(CameraDialogs, ConfigurationNeedsACard) {
  int opened = 0;
  MainWindowOptions options;
  options.runModal = [&](QDialog&) { ++opened; };
  CSamplePlayerDlg& window = Window(options);
  EXPECT_TRUE(window.OnCommand(kIdConfiguration));
  EXPECT_EQ(opened, 0);
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text, "Please select the SD card drive.");
  EXPECT_EQ(prompt_.messages[0].icon, MessageIcon::Exclamation);
}

// On the chosen card the dialog opens as the window's child and SAVE writes the
// camera's files into the card root, whichever category the list shows.
TEST_F(CameraDialogs, ConfigurationEditsTheChosenCard) {
  const fs::path card = scratch_ / "card";
  fs::create_directories(card / "Normal");
  QString title;
  MainWindowOptions options;
  options.runModal = [&](QDialog& dialog) {
    title = dialog.windowTitle();
    EXPECT_EQ(dialog.parentWidget(), window_.get());
    dialog.findChild<QAbstractButton*>("1")->click();
  };
  const std::string entry = card.string() + "/ SD CARD";
  options.driveEntries = [entry] { return std::vector<QString>{QString::fromStdString(entry)}; };
  CSamplePlayerDlg& window = Window(options);
  prompt_.chosenDrive = entry;
  ASSERT_TRUE(window.OnCommand(kIdSelectDrive));
  window.OnCommand(kIdCategoryNormal);
  EXPECT_TRUE(window.OnCommand(kIdConfiguration));
  EXPECT_EQ(title, "CONFIGURATION");
  ASSERT_EQ(prompt_.messages.size(), 1u);  // the card has no rdsetup.cfg yet
  EXPECT_EQ(fs::file_size(card / "rdsetup.cfg"), 348u);
  EXPECT_TRUE(fs::exists(card / "user.inf"));
  EXPECT_FALSE(fs::exists(card / "Normal" / "rdsetup.cfg"));
}

// An opened folder is no card: the dialog needs one chosen again.
TEST_F(CameraDialogs, ConfigurationNeedsACardAfterAFolderWasOpened) {
  const fs::path card = scratch_ / "card";
  fs::create_directories(card / "Event");
  int opened = 0;
  MainWindowOptions options;
  options.runModal = [&](QDialog&) { ++opened; };
  const std::string entry = card.string() + "/ SD CARD";
  options.driveEntries = [entry] { return std::vector<QString>{QString::fromStdString(entry)}; };
  CSamplePlayerDlg& window = Window(options);
  prompt_.chosenDrive = entry;
  ASSERT_TRUE(window.OnCommand(kIdSelectDrive));
  prompt_.chosenFolder = (card / "Event").string();
  window.OnCommand(kIdFolderOpen);
  window.OnCommand(kIdConfiguration);
  EXPECT_EQ(opened, 0);
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text, "Please select the SD card drive.");
}

// The format dialog opens with playback stopped, on the volumes it is given.
TEST_F(CameraDialogs, FormatStopsPlaybackAndOffersTheCards) {
  const auto file = MakeRecording({2, true, 2}, "N_2024_05_17_08_31_05.AVI");
  const auto image = MakeSparseImage(scratch_ / "card.img", 15'523'840);
  bool stoppedWhenOpened = false;
  QString firstEntry;
  MainWindowOptions options;
  options.formatVolumes = [&] {
    return std::make_unique<ImageFileSource>(std::vector<fs::path>{image});
  };
  options.runModal = [&](QDialog& dialog) {
    stoppedWhenOpened = !window_->PlaybackTimerActive() && window_->Player().Graph() == nullptr;
    firstEntry = dialog.findChild<QComboBox*>("1213")->itemText(0);
  };
  CSamplePlayerDlg& window = Window(options);
  ListFiles({file});
  window.OnPlayPause();
  ASSERT_TRUE(window.PlaybackTimerActive());
  EXPECT_TRUE(window.OnCommand(kIdFormatCard));
  EXPECT_TRUE(stoppedWhenOpened);
  EXPECT_EQ(firstEntry.toStdString(), image.string() + " Drive");
}

}  // namespace
}  // namespace motrevix::test
