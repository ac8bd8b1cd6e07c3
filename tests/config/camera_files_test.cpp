// Loading rdsetup.cfg into the process-wide record and the SAVE sequence over the
// three files.
#include "config/camera_files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "config/setup_defaults.h"
#include "tests/config/config_test_helpers.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_support.h"

namespace motrevix::config {
namespace {

namespace off = setup_offset;
using test::ReadAll;
using test::RecordBytes;
using test::WriteAll;

class ConfigCameraFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetConfigState();
    card = motrevix::test::ScratchDir();
  }
  void TearDown() override { ResetConfigState(); }

  std::filesystem::path card;
  RecordingPrompt prompt;
  ReplacingFileWriter writer;
};

TEST_F(ConfigCameraFiles, ShortAndLongFilesFillTheRecordFromTheStart) {
  // What an earlier card left in the record.
  g_SetupRecord.Bytes().fill(0x5A);
  WriteAll(card / "rdsetup.cfg", std::string(300, '\x11'));
  ASSERT_TRUE(LoadSetupRecord(card, prompt));
  EXPECT_TRUE(prompt.messages.empty());
  for (std::size_t i = 0; i < CSetupRecord::kSize; ++i)
    ASSERT_EQ(g_SetupRecord.Bytes()[i], i < 300 ? 0x11 : 0x5A) << i;

  std::string longer(348, '\x22');
  longer += std::string(52, '\x33');
  WriteAll(card / "rdsetup.cfg", longer);
  ASSERT_TRUE(LoadSetupRecord(card, prompt));
  EXPECT_EQ(RecordBytes(g_SetupRecord), std::string(348, '\x22'));
}

TEST_F(ConfigCameraFiles, MissingFileIsReportedAndDefaultKeepsTheEarlierCardsAreas) {
  g_SetupRecord.Bytes().fill(0x5A);
  const SetupFields shown = LoadSettingsPage(card, prompt);
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].text, (card / "rdsetup.cfg").string() + " was not found.");
  EXPECT_EQ(shown, DefaultSetupFields());
  EXPECT_EQ(g_SetupRecord.Bytes()[0], 0x5A);    // text area kept
  EXPECT_EQ(g_SetupRecord.Bytes()[133], 0x5A);  // area 112..143 kept but byte 134
  EXPECT_EQ(g_SetupRecord.Bytes()[134], 0x00);
  EXPECT_EQ(g_SetupRecord.Get(312), 0x5A5A5A5A);
  EXPECT_EQ(g_SetupRecord.Get(off::kTimeZone), 540);
}

TEST_F(ConfigCameraFiles, UnreadableFileIsReportedAndLeavesTheRecordAlone) {
  std::filesystem::create_directory(card / "rdsetup.cfg");  // opens, but cannot be read
  g_SetupRecord.Bytes().fill(0x5A);
  EXPECT_FALSE(LoadSetupRecord(card, prompt));
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_NE(prompt.messages[0].text.find((card / "rdsetup.cfg").string()), std::string::npos);
  EXPECT_EQ(RecordBytes(g_SetupRecord), std::string(348, '\x5A'));
}

TEST_F(ConfigCameraFiles, SaveWritesUnknownValuesBackAsTheDialogDoes) {
  CSetupRecord card_record;
  for (std::size_t i = 0; i < CSetupRecord::kSize; ++i)
    card_record.Bytes()[i] = static_cast<std::uint8_t>(i ^ 0x9C);
  card_record.Set(off::kResolution, 3);
  card_record.Set(off::kTimeZone, 45);
  card_record.Set(off::kSpeakerVolume, 7);
  WriteAll(card / "rdsetup.cfg", RecordBytes(card_record));

  const SetupFields shown = LoadSettingsPage(card, prompt);
  const CSetupRecord loaded = g_SetupRecord;
  ASSERT_TRUE(SaveSetupRecord(card, shown, prompt, writer));
  EXPECT_TRUE(prompt.messages.empty());

  const std::string saved = ReadAll(card / "rdsetup.cfg");
  ASSERT_EQ(saved.size(), 348u);
  const CSetupRecord written = test::RecordFrom(saved);
  EXPECT_EQ(written.Get(off::kResolution), 3);
  EXPECT_EQ(written.Get(off::kTimeZone), 0);
  EXPECT_EQ(written.Get(off::kSpeakerVolume), 10);
  EXPECT_EQ(written.StoredCrc(), test::ZlibCrc32(card / "rdsetup.cfg", 344));
  // Bytes the page does not edit are carried through: the text areas, for one.
  EXPECT_EQ(saved.substr(0, 44), RecordBytes(card_record).substr(0, 44));
  EXPECT_EQ(saved.substr(112, 32), RecordBytes(card_record).substr(112, 32));
  // The save worked on a copy.
  EXPECT_EQ(g_SetupRecord, loaded);
}

TEST_F(ConfigCameraFiles, SaveWritesTheClockOnlyWhenAskedAndTheOwnerAfterIt) {
  WriteAll(card / "Date_Time.cfg", "2001.01.01.00.00.00");
  SaveRequest request;
  request.fields = DefaultSetupFields();
  request.owner = OwnerInfo{"Kim", "12A3456"};
  const SaveOutcome unchecked = SaveCameraFiles(card, request, prompt, writer);
  EXPECT_TRUE(unchecked.settingsSaved && unchecked.ownerSaved && !unchecked.clockSaved);
  EXPECT_EQ(ReadAll(card / "Date_Time.cfg"), "2001.01.01.00.00.00");
  EXPECT_EQ(ReadOwnerInfo(card / "user.inf"), (OwnerInfo{"Kim", "12A3456"}));

  request.setClock = true;
  request.clockDate = CalendarDate{2011, 3, 5};
  request.clockTime = ClockTime{14, 7, 9};
  const SaveOutcome checked = SaveCameraFiles(card, request, prompt, writer);
  EXPECT_TRUE(checked.settingsSaved && checked.clockSaved && checked.ownerSaved);
  EXPECT_EQ(ReadAll(card / "Date_Time.cfg"), "2011.03.05.14.07.09");
  EXPECT_TRUE(prompt.messages.empty());
  // No temporary file is left behind.
  for (const auto& entry : std::filesystem::directory_iterator(card))
    EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

TEST_F(ConfigCameraFiles, FailedSettingsWriteStopsTheSaveAndKeepsTheOldFiles) {
  const std::string oldRecord(348, '\x44');
  WriteAll(card / "rdsetup.cfg", oldRecord);
  WriteAll(card / "Date_Time.cfg", "2001.01.01.00.00.00");
  WriteAll(card / "user.inf", "[UserName]\r\nIDC_USERNAME=Old\r\n");
  test::FailingWriter failing({"rdsetup.cfg"}, EROFS);
  SaveRequest request;
  request.fields = DefaultSetupFields();
  request.setClock = true;
  request.clockDate = CalendarDate{2011, 3, 5};
  request.clockTime = ClockTime{14, 7, 9};
  request.owner = OwnerInfo{"New", "1"};

  const SaveOutcome outcome = SaveCameraFiles(card, request, prompt, failing);

  EXPECT_FALSE(outcome.settingsSaved || outcome.clockSaved || outcome.ownerSaved);
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].text,
            "Access to " + (card / "rdsetup.cfg").string() + " was denied.");
  EXPECT_EQ(ReadAll(card / "rdsetup.cfg"), oldRecord);
  EXPECT_EQ(ReadAll(card / "Date_Time.cfg"), "2001.01.01.00.00.00");
  EXPECT_EQ(ReadAll(card / "user.inf"), "[UserName]\r\nIDC_USERNAME=Old\r\n");
}

TEST_F(ConfigCameraFiles, FailedClockWriteIsReportedAndSkipped) {
  test::FailingWriter failing({"Date_Time.cfg"}, ENOSPC);
  SaveRequest request;
  request.fields = DefaultSetupFields();
  request.setClock = true;
  request.owner = OwnerInfo{"Kim", "7"};
  const SaveOutcome outcome = SaveCameraFiles(card, request, prompt, failing);
  EXPECT_TRUE(outcome.settingsSaved);
  EXPECT_FALSE(outcome.clockSaved);
  EXPECT_TRUE(outcome.ownerSaved);
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].text,
            "The disk is full while accessing " + (card / "Date_Time.cfg").string() + ".");
  EXPECT_FALSE(std::filesystem::exists(card / "Date_Time.cfg"));
}

}  // namespace
}  // namespace motrevix::config
