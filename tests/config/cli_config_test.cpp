// motrevix-cli config on a card folder.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <string>

#include "config/setup_record.h"
#include "tests/config/config_test_helpers.h"
#include "tests/support/test_support.h"

namespace motrevix::config {
namespace {

namespace off = setup_offset;
using motrevix::test::RunTool;
using test::ReadAll;
using test::RecordBytes;
using test::WriteAll;

motrevix::test::ProcessResult Config(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"config"};
  all.insert(all.end(), args.begin(), args.end());
  return RunTool("motrevix-cli", all);
}

QJsonObject ShowJson(const std::filesystem::path& card) {
  const auto run = Config({"show", card.string(), "--json"});
  EXPECT_EQ(run.exitCode, 0) << run.err;
  return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

TEST(ConfigCli, DefaultsSetAndShowOnACard) {
  const auto card = motrevix::test::ScratchDir();
  auto run = Config({"defaults", card.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  QJsonObject shown = ShowJson(card);
  EXPECT_TRUE(shown["crc"].toObject()["matches"].toBool());
  EXPECT_EQ(shown["crc"].toObject()["computed"].toInteger(),
            test::ZlibCrc32(card / "rdsetup.cfg", 344));
  EXPECT_EQ(shown["fields"].toObject()["resolution"].toObject()["word"].toString(), "FULLHD");
  EXPECT_EQ(shown["fields"].toObject()["timezone"].toObject()["value"].toInt(), 540);

  run = Config({"set", card.string(), "resolution=HD", "timezone=-210", "entry_time=10min",
                "frame_rate=25fps", "speaker=low", "brightness=Dark", "sensitivity=5"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const CSetupRecord record = test::RecordFrom(ReadAll(card / "rdsetup.cfg"));
  EXPECT_EQ(record.Get(off::kResolution), 1);
  EXPECT_EQ(record.Get(off::kTimeZone), -210);
  EXPECT_EQ(record.Get(off::kParkingEntryTime), 1);
  EXPECT_EQ(record.Get(off::kFrameRate), 1);
  EXPECT_EQ(record.Get(off::kSpeakerVolume), 6);
  EXPECT_EQ(record.Get(off::kCameraBrightness), -3);
  EXPECT_EQ(record.Get(off::kGSensorSensitivity), 4);
  EXPECT_EQ(record.Get(off::kQuality), 2);  // untouched
  EXPECT_EQ(record.StoredCrc(), test::ZlibCrc32(card / "rdsetup.cfg", 344));

  run = Config({"show", card.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.out.find("GMT-03:30 Newfoundland"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("(matches)"), std::string::npos) << run.out;
}

TEST(ConfigCli, SetKeepsTheCardsOtherBytesAndDefaultsKeepsWhatDefaultKeeps) {
  const auto card = motrevix::test::ScratchDir();
  CSetupRecord original;
  for (std::size_t i = 0; i < CSetupRecord::kSize; ++i)
    original.Bytes()[i] = static_cast<std::uint8_t>(i * 5 + 1);
  original.Set(off::kResolution, 3);  // no control for it: kept by a save
  WriteAll(card / "rdsetup.cfg", RecordBytes(original));

  auto run = Config({"set", card.string(), "quality=SUPER FINE"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  std::string saved = ReadAll(card / "rdsetup.cfg");
  EXPECT_EQ(test::RecordFrom(saved).Get(off::kResolution), 3);
  EXPECT_EQ(test::RecordFrom(saved).Get(off::kQuality), 3);
  EXPECT_EQ(saved.substr(0, 44), RecordBytes(original).substr(0, 44));

  run = Config({"defaults", card.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  saved = ReadAll(card / "rdsetup.cfg");
  EXPECT_EQ(test::RecordFrom(saved).Get(off::kResolution), 2);
  EXPECT_EQ(saved.substr(0, 44), RecordBytes(original).substr(0, 44));
  EXPECT_EQ(saved.substr(340, 4), RecordBytes(original).substr(340, 4));

  run = Config({"defaults", card.string(), "--fresh"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  saved = ReadAll(card / "rdsetup.cfg");
  EXPECT_EQ(saved.substr(0, 44), std::string(44, '\0'));
}

TEST(ConfigCli, SetStartsFromDefaultWithoutAFileButNeverReplacesAnUnreadableOne) {
  const auto card = motrevix::test::ScratchDir();
  auto run = Config({"set", card.string(), "audio=off"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_NE(run.err.find("rdsetup.cfg was not found."), std::string::npos) << run.err;
  const CSetupRecord record = test::RecordFrom(ReadAll(card / "rdsetup.cfg"));
  EXPECT_EQ(record.Get(off::kAudioRecording), 0);
  EXPECT_EQ(record.Get(off::kTimeZone), 540);

  const auto other = card / "other";
  std::filesystem::create_directories(other / "rdsetup.cfg");
  run = Config({"set", other.string(), "audio=off"});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(std::filesystem::is_directory(other / "rdsetup.cfg"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(other),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(ConfigCli, ShowOfAShortFileReadsTheRestAsZero) {
  const auto card = motrevix::test::ScratchDir();
  CSetupRecord record;
  record.Set(off::kResolution, 1);
  WriteAll(card / "rdsetup.cfg", RecordBytes(record).substr(0, 300));
  const QJsonObject shown = ShowJson(card);
  EXPECT_EQ(shown["bytes_read"].toInt(), 300);
  EXPECT_EQ(shown["fields"].toObject()["resolution"].toObject()["word"].toString(), "HD");
  EXPECT_TRUE(shown["fields"].toObject()["parking_led"].toObject()["word"] == "OFF");
  EXPECT_FALSE(shown["crc"].toObject()["matches"].toBool());
}

TEST(ConfigCli, ClockAndOwnerFiles) {
  const auto card = motrevix::test::ScratchDir();
  auto run = Config({"clock", card.string(), "2011-03-05 14:07:09"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(ReadAll(card / "Date_Time.cfg"), "2011.03.05.14.07.09");

  run = Config({"clock", card.string()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const std::string now = ReadAll(card / "Date_Time.cfg");
  EXPECT_EQ(now.size(), 19u) << now;
  EXPECT_EQ(now.find('\n'), std::string::npos);

  WriteAll(card / "user.inf", "[Extra]\r\nKey=Value\r\n");
  run = Config({"owner", card.string(), "--name", "Kim", "--car", "12A 3456"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  run = Config({"owner", card.string(), "--car", "99"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(
      ReadAll(card / "user.inf"),
      "[Extra]\r\nKey=Value\r\n[UserName]\r\nIDC_USERNAME=Kim\r\n[CarNum]\r\nIDC_CARNUM=99\r\n");
  run = Config({"owner", card.string()});
  EXPECT_EQ(run.out, "name: Kim\ncar number: 99\n");
}

// A FIFO or a device under a camera file's name is refused at once instead of
// blocking or being read forever; a FIFO under a temporary-looking name is not used.
TEST(ConfigCli, PipesDevicesAndHugeFilesDoNotHangTheCommands) {
  enum class Make { kFifo, kZeroLink, kHuge };
  const struct {
    const char* file;
    Make make;
    std::vector<std::string> args;  // the card folder goes after the command
    int exitCode;
    const char* message;
  } cases[] = {
      {"rdsetup.cfg", Make::kFifo, {"show"}, 1, "rdsetup.cfg is not a file (a pipe"},
      {"rdsetup.cfg", Make::kFifo, {"set", "audio=off"}, 1, "is not a file"},
      {"rdsetup.cfg", Make::kFifo, {"defaults"}, 1, "is not a file"},
      {"rdsetup.cfg", Make::kZeroLink, {"show"}, 1, "is not a file"},
      {"user.inf", Make::kFifo, {"owner", "--car", "99Z"}, 1, "user.inf is not a file"},
      {"user.inf", Make::kZeroLink, {"owner", "--car", "99Z"}, 1, "is not a file"},
      {"user.inf", Make::kHuge, {"owner", "--car", "99Z"}, 1, "is too large to be a camera file"},
      {"rdsetup.cfg.tmp", Make::kFifo, {"set", "audio=off"}, 0, "rdsetup.cfg was not found."},
      {"user.inf.tmp", Make::kFifo, {"owner", "--car", "99Z"}, 0, ""},
      {"Date_Time.cfg.tmp", Make::kFifo, {"clock", "2011-03-05 14:07:09"}, 0, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.file) + " " + c.args[0]);
    const auto card = motrevix::test::ScratchDir();
    const auto hostile = card / c.file;
    if (c.make == Make::kFifo) {
      ASSERT_EQ(mkfifo(hostile.c_str(), 0644), 0);
    }
    if (c.make == Make::kZeroLink) std::filesystem::create_symlink("/dev/zero", hostile);
    if (c.make == Make::kHuge) WriteAll(hostile, std::string(1 << 20, 'x'));
    std::vector<std::string> args = c.args;
    args.insert(args.begin() + 1, card.string());
    const auto run = Config(args);
    EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    // What was there is still there, as it was.
    EXPECT_EQ(std::filesystem::is_fifo(hostile), c.make == Make::kFifo);
    EXPECT_EQ(std::filesystem::is_symlink(hostile), c.make == Make::kZeroLink);
  }
}

TEST(ConfigCli, BadInputIsRefusedAndWritesNothing) {
  const auto card = motrevix::test::ScratchDir();
  const struct {
    std::vector<std::string> args;
    int exitCode;
    const char* message;
  } cases[] = {
      {{"set", card.string(), "resolution=4K"}, 2, "is not a value of resolution"},
      {{"set", card.string(), "timezone=45"}, 2, "is not a value of timezone"},
      {{"set", card.string(), "colour=red"}, 2, "unknown field 'colour'"},
      {{"set", card.string(), "resolution"}, 2, "not FIELD=VALUE"},
      {{"clock", card.string(), "2011-02-29 10:00:00"}, 2, "not a valid date and time"},
      {{"clock", card.string(), "2011-03-05"}, 2, "not a valid date and time"},
      {{"frobnicate", card.string()}, 2, "unknown command"},
      {{"show", card.string()}, 1, "rdsetup.cfg was not found."},
      {{"defaults", (card / "missing").string()}, 1, "contains an incorrect path."},
      {{"owner", card.string(), "--name", "two\nlines"}, 1, "must be on one line"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args[0] + " " + c.args.back());
    const auto run = Config(c.args);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
  EXPECT_TRUE(std::filesystem::is_empty(card));
}

}  // namespace
}  // namespace motrevix::config
