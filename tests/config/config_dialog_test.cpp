// The CONFIGURATION dialog on Qt's offscreen platform, opened on card folders with
// known camera files and answered by a RecordingPrompt.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimeEdit>
#include <memory>

#include "config/camera_files.h"
#include "config/setting_tab1.h"
#include "config/setup_defaults.h"
#include "config/setup_dialog.h"
#include "config/tabset_dlg.h"
#include "tests/config/config_test_helpers.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_support.h"
#include "tests/support/unprivileged.h"

namespace motrevix::config {
namespace {

namespace fs = std::filesystem;
using namespace motrevix::config::test;
namespace off = setup_offset;

// 5 March 2011, 14:07:09: the moment the dialog is opened in these tests.
const QDateTime kOpenedAt(QDate(2011, 3, 5), QTime(14, 7, 9));

// A record as a camera might have left it: every byte patterned, so that a field
// the dialog should carry through shows when it is lost, and known edited values.
CSetupRecord CardRecord() {
  CSetupRecord record;
  for (std::size_t i = 0; i < CSetupRecord::kSize; ++i)
    record.Bytes()[i] = static_cast<std::uint8_t>(i * 7 + 3);
  record.Set(off::kResolution, 1);
  record.Set(off::kQuality, 3);
  record.Set(off::kAudioRecording, 1);
  record.Set(off::kSpeakerVolume, 8);
  record.Set(off::kGSensorSensitivity, 1);
  record.Set(off::kCameraBrightness, -3);
  record.Set(off::kFrameRate, 0);
  record.Set(off::kTimeZone, 60);
  record.Set(off::kParkingEntryTime, 2);
  record.Set(off::kParkingLed, 0);
  record.StoreCrc();
  return record;
}

class ConfigurationDialog : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetConfigState();
    card_ = motrevix::test::ScratchDir() / "card";
    fs::create_directory(card_);
  }
  void Open() {
    dialog_ = std::make_unique<CTabsetDlg>(card_, CardRootIdentity{}, prompt_, writer_, kOpenedAt);
    dialog_->show();
  }
  template <typename T>
  T* Control(const char* id) {
    T* control = dialog_->findChild<T*>(id);
    EXPECT_NE(control, nullptr) << id;
    return control;
  }
  void Click(const char* id) {
    if (auto* button = Control<QAbstractButton>(id)) button->click();
  }
  bool IsChecked(const char* id) { return Control<QAbstractButton>(id)->isChecked(); }
  CSetupRecord SavedRecord() const { return RecordFrom(ReadAll(card_ / "rdsetup.cfg")); }

  fs::path card_;
  RecordingPrompt prompt_;
  ReplacingFileWriter writer_;
  std::unique_ptr<CTabsetDlg> dialog_;
};

// Template 347 in pixels: dialog units of an 8-point font (x 1.5, y 1.625).
TEST_F(ConfigurationDialog, HostControlsSitWhereTheTemplatePutsThem) {
  Open();
  EXPECT_EQ(dialog_->size(), QSize(959, 554));
  const struct {
    const char* id;
    QRect rect;
  } controls[] = {{"1", {105, 520, 75, 23}},
                  {"2", {243, 520, 75, 23}},
                  {"1193", {374, 518, 81, 24}},
                  {"1194", {11, 11, 941, 486}}};
  for (const auto& c : controls) EXPECT_EQ(Control<QWidget>(c.id)->geometry(), c.rect) << c.id;
  auto* tabs = Control<QTabWidget>("1194");
  EXPECT_EQ(tabs->tabText(0), "SETTING");
  EXPECT_EQ(tabs->tabText(1), "INFO");
  EXPECT_TRUE(dialog_->SettingPage()->isVisible());
  EXPECT_FALSE(dialog_->InfoPage()->isVisible());
}

TEST_F(ConfigurationDialog, ShowsTheCardRecordAndOwner) {
  WriteAll(card_ / "rdsetup.cfg", RecordBytes(CardRecord()));
  WriteAll(card_ / "user.inf",
           "[UserName]\r\nIDC_USERNAME=Kim\r\n[CarNum]\r\nIDC_CARNUM=12A345\r\n");
  Open();
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(dialog_->windowTitle(), "CONFIGURATION");
  for (const char* id : {"1196", "1200", "1219", "1222", "1224", "1229"})
    EXPECT_TRUE(IsChecked(id)) << id;
  for (const char* id : {"1195", "1201", "1220", "1221", "1223", "1225", "1226", "1227", "1228"})
    EXPECT_FALSE(IsChecked(id)) << id;
  EXPECT_EQ(Control<QSlider>("1197")->value(), 2);
  EXPECT_EQ(Control<QSlider>("1198")->value(), 1);
  EXPECT_EQ(Control<QSlider>("1199")->value(), 3);
  auto* zones = Control<QComboBox>("1202");
  EXPECT_EQ(zones->count(), 30);
  EXPECT_EQ(zones->currentIndex(), 14);
  EXPECT_EQ(Control<QLineEdit>("1096")->text(), "Kim");
  EXPECT_EQ(Control<QLineEdit>("1097")->text(), "12A345");
  EXPECT_EQ(Control<QDateEdit>("1204")->date(), kOpenedAt.date());
  EXPECT_EQ(Control<QTimeEdit>("1205")->time(), kOpenedAt.time());
  EXPECT_FALSE(Control<QCheckBox>("1203")->isChecked());
}

// The controls set by object name, the INFO tab filled in, SAVE: the file is the
// record the core builds from the card's record and those values, its CRC is
// zlib's, the owner file holds the typed values and the dialog has closed.
TEST_F(ConfigurationDialog, SaveWritesTheRecordTheCoreBuildsWithZlibsCrc) {
  const CSetupRecord card = CardRecord();
  WriteAll(card_ / "rdsetup.cfg", RecordBytes(card));
  Open();
  Click("1195");
  Control<QSlider>("1197")->setValue(1);
  Control<QSlider>("1198")->setValue(4);
  Control<QSlider>("1199")->setValue(0);
  Click("1201");
  Control<QComboBox>("1202")->setCurrentIndex(4);
  Click("1221");
  Click("1223");
  Click("1226");
  Click("1228");
  Control<QTabWidget>("1194")->setCurrentIndex(1);
  EXPECT_TRUE(dialog_->InfoPage()->isVisible());
  EXPECT_FALSE(dialog_->SettingPage()->isVisible());
  Control<QLineEdit>("1096")->setText("Lee");
  Control<QLineEdit>("1097")->setText("34B5678");
  Click("1");

  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_FALSE(dialog_->isVisible());
  SetupFields fields;
  fields.audioRecording = false;
  fields.speakerPosition = 1;
  fields.sensitivityPosition = 4;
  fields.entryTimePosition = 0;
  fields.parkingLed = true;
  fields.timeZoneRow = 4;
  fields.frameRate = FrameRate::Fps30;
  fields.resolution = Resolution::FullHD;
  fields.cameraBrightness = CameraBrightness::Bright;
  fields.quality = Quality::Fine;
  const std::string saved = ReadAll(card_ / "rdsetup.cfg");
  EXPECT_EQ(saved, RecordBytes(RecordToSave(card, fields)));
  const CSetupRecord record = RecordFrom(saved);
  EXPECT_EQ(record.Get(off::kSpeakerVolume), 6);
  EXPECT_EQ(record.Get(off::kParkingEntryTime), 0);
  EXPECT_EQ(record.Get(off::kTimeZone), -480);
  EXPECT_EQ(record.Get(off::kCameraBrightness), 3);
  EXPECT_EQ(record.StoredCrc(), ZlibCrc32(card_ / "rdsetup.cfg", 344));
  EXPECT_EQ(ReadOwnerInfo(card_ / "user.inf"), (OwnerInfo{"Lee", "34B5678"}));
  EXPECT_FALSE(fs::exists(card_ / "Date_Time.cfg"));
}

// Stored values the page has no control for: their radio groups show no button,
// and SAVE writes them back; sliders and the time zone save what they show.
TEST_F(ConfigurationDialog, UnknownStoredValuesAreShownAsNoneAndKept) {
  CSetupRecord card = CardRecord();
  const struct {
    std::size_t offset;
    std::int32_t stored;
    std::vector<const char*> buttons;
  } unknown[] = {
      {off::kAudioRecording, 7, {"1195", "1196"}},
      {off::kParkingLed, -1, {"1200", "1201"}},
      {off::kFrameRate, 3, {"1219", "1220", "1221"}},
      {off::kResolution, 3, {"1222", "1223"}},
      {off::kCameraBrightness, 2, {"1224", "1225", "1226"}},
      {off::kQuality, 0, {"1227", "1228", "1229"}},
  };
  for (const auto& field : unknown) card.Set(field.offset, field.stored);
  card.Set(off::kSpeakerVolume, 7);
  card.Set(off::kTimeZone, 45);
  WriteAll(card_ / "rdsetup.cfg", RecordBytes(card));
  Open();
  for (const auto& field : unknown)
    for (const char* id : field.buttons) EXPECT_FALSE(IsChecked(id)) << id;
  EXPECT_EQ(Control<QSlider>("1197")->value(), 3);
  EXPECT_EQ(Control<QComboBox>("1202")->currentIndex(), 13);

  Click("1");
  const CSetupRecord saved = SavedRecord();
  for (const auto& field : unknown) EXPECT_EQ(saved.Get(field.offset), field.stored);
  EXPECT_EQ(saved.Get(off::kSpeakerVolume), 10);
  EXPECT_EQ(saved.Get(off::kTimeZone), 0);
}

// Text typed into the time-zone box that is no row's caption is no selection: it
// saves 0 and is not added to the list.
TEST_F(ConfigurationDialog, TypedTimeZoneTextIsNotInsertedAndSavesZero) {
  WriteAll(card_ / "rdsetup.cfg", RecordBytes(CardRecord()));
  Open();
  auto* zones = Control<QComboBox>("1202");
  zones->lineEdit()->selectAll();
  QTest::keyClicks(zones->lineEdit(), "Mars Base One");
  QTest::keyClick(zones->lineEdit(), Qt::Key_Return);
  EXPECT_EQ(zones->count(), 30);
  EXPECT_EQ(zones->currentText(), "Mars Base One");
  Click("1");
  EXPECT_EQ(dialog_->result(), QDialog::Accepted);
  EXPECT_EQ(SavedRecord().Get(off::kTimeZone), 0);
}

// Box 1203 enables and disables both pickers; checked, SAVE writes the clock of
// the moment the dialog opened.
TEST_F(ConfigurationDialog, ClockBoxTogglesThePickersAndWritesTheOpeningTime) {
  Open();
  prompt_.messages.clear();
  auto* date = Control<QDateEdit>("1204");
  auto* time = Control<QTimeEdit>("1205");
  EXPECT_FALSE(date->isEnabled());
  EXPECT_FALSE(time->isEnabled());
  Click("1203");
  EXPECT_TRUE(date->isEnabled());
  EXPECT_TRUE(time->isEnabled());
  Click("1203");
  EXPECT_FALSE(date->isEnabled());
  EXPECT_FALSE(time->isEnabled());
  Click("1203");
  Click("1");
  EXPECT_TRUE(prompt_.messages.empty());
  EXPECT_EQ(ReadAll(card_ / "Date_Time.cfg"), "2011.03.05.14.07.09");
}

// A card root without files: one file-not-found report, then every default; SAVE
// writes a record whose kept areas are zero.
TEST_F(ConfigurationDialog, EmptyCardOpensWithDefaultsAfterOneReport) {
  Open();
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text, (card_ / "rdsetup.cfg").string() + " was not found.");
  EXPECT_EQ(prompt_.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(dialog_->SettingPage()->Fields(), DefaultSetupFields());
  EXPECT_EQ(Control<QLineEdit>("1096")->text(), "");
  Click("1");
  CSetupRecord expected;
  ApplySetupDefaults(expected);
  expected.StoreCrc();
  EXPECT_EQ(ReadAll(card_ / "rdsetup.cfg"), RecordBytes(expected));
}

// DEFAULT resets the SETTING page only: the box, the pickers and the INFO page
// keep what the user did, and the kept areas keep the card's bytes.
TEST_F(ConfigurationDialog, DefaultLeavesInfoClockBoxAndPickersAlone) {
  const CSetupRecord card = CardRecord();
  WriteAll(card_ / "rdsetup.cfg", RecordBytes(card));
  Open();
  Click("1203");
  Control<QDateEdit>("1204")->setDate(QDate(2020, 1, 2));
  Control<QLineEdit>("1096")->setText("Park");
  Click("1193");
  EXPECT_EQ(dialog_->SettingPage()->Fields(), DefaultSetupFields());
  EXPECT_TRUE(Control<QCheckBox>("1203")->isChecked());
  EXPECT_TRUE(Control<QDateEdit>("1204")->isEnabled());
  EXPECT_EQ(Control<QDateEdit>("1204")->date(), QDate(2020, 1, 2));
  EXPECT_EQ(Control<QLineEdit>("1096")->text(), "Park");
  EXPECT_FALSE(fs::exists(card_ / "Date_Time.cfg"));
  Click("1");
  CSetupRecord expected = card;
  ApplySetupDefaults(expected);
  expected.StoreCrc();
  EXPECT_EQ(ReadAll(card_ / "rdsetup.cfg"), RecordBytes(expected));
  EXPECT_EQ(ReadAll(card_ / "Date_Time.cfg"), "2020.01.02.14.07.09");
}

TEST_F(ConfigurationDialog, CancelWritesNothing) {
  Open();
  Click("1193");
  Control<QLineEdit>("1096")->setText("Nobody");
  Click("2");
  EXPECT_EQ(dialog_->result(), QDialog::Rejected);
  EXPECT_TRUE(fs::is_empty(card_));
}

// A write-protected card: the failure is reported, nothing is written and the
// dialog stays open. As root the SAVE runs in a child that has become an ordinary
// user, for whom the folder's permissions hold.
TEST_F(ConfigurationDialog, ReadOnlyCardRootReportsTheFailureAndStaysOpen) {
  const std::string old = RecordBytes(CardRecord());
  WriteAll(card_ / "rdsetup.cfg", old);
  Open();
  Control<QLineEdit>("1096")->setText("Lee");
  Click("1203");
  fs::permissions(card_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read |
                             fs::perms::others_exec);
  const auto save = [this] {
    prompt_.messages.clear();
    Click("1");
    std::string result = dialog_->isVisible() ? "open" : "closed";
    for (const auto& message : prompt_.messages) result += "\n" + message.text;
    return result;
  };
  std::optional<std::string> result =
      geteuid() == 0 ? motrevix::test::AsUnprivilegedUser(card_, save) : save();
  fs::permissions(card_, fs::perms::owner_all);
  if (!result) GTEST_SKIP() << "cannot run the save as an unprivileged user here";
  EXPECT_EQ(*result, "open\nAccess to " + (card_ / "rdsetup.cfg").string() + " was denied.");
  EXPECT_EQ(ReadAll(card_ / "rdsetup.cfg"), old);
  EXPECT_FALSE(fs::exists(card_ / "user.inf"));
  EXPECT_FALSE(fs::exists(card_ / "Date_Time.cfg"));
}

// The card is pulled while the dialog is open and its mount point is left behind
// as an ordinary folder at the same path: SAVE refuses to write there.
TEST_F(ConfigurationDialog, SaveRefusesAFolderThatIsNoLongerTheChosenCard) {
  WriteAll(card_ / "rdsetup.cfg", RecordBytes(CardRecord()));
  Open();
  fs::rename(card_, card_.parent_path() / "pulled");
  fs::create_directory(card_);
  prompt_.messages.clear();
  Click("1");
  ASSERT_EQ(prompt_.messages.size(), 1u);
  EXPECT_EQ(prompt_.messages[0].text, CardRootGoneMessage(card_));
  EXPECT_TRUE(dialog_->isVisible());
  EXPECT_TRUE(fs::is_empty(card_));
}

}  // namespace
}  // namespace motrevix::config
