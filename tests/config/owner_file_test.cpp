// user.inf: the owner's name and car number in a profile file whose other
// contents are kept.
#include "config/owner_file.h"

#include <gtest/gtest.h>

#include <string>

#include "config/camera_files.h"
#include "config/profile_text.h"
#include "tests/config/config_test_helpers.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_support.h"

namespace motrevix::config {
namespace {

using test::ReadAll;
using test::WriteAll;

TEST(ConfigOwnerFile, RoundTripKeepsForeignSectionsAndKeys) {
  const auto card = motrevix::test::ScratchDir();
  const std::string before =
      "; written by the camera\r\n"
      "[Camera]\r\n"
      "Model=RD-310\r\n"
      "\r\n"
      "[username]\r\n"
      "Nick = K\r\n"
      "IDC_USERNAME = Old Name\r\n"
      "\r\n"
      "[Other]\r\n"
      "IDC_CARNUM=not this one\r\n";
  WriteAll(card / "user.inf", before);
  RecordingPrompt prompt;
  ReplacingFileWriter writer;
  ASSERT_TRUE(WriteOwnerInfo(card, {"Kim Jiwoo", "12가 3456"}, prompt, writer));
  EXPECT_TRUE(prompt.messages.empty());

  EXPECT_EQ(ReadAll(card / "user.inf"),
            "; written by the camera\r\n"
            "[Camera]\r\n"
            "Model=RD-310\r\n"
            "\r\n"
            "[username]\r\n"
            "Nick = K\r\n"
            "IDC_USERNAME=Kim Jiwoo\r\n"
            "\r\n"
            "[Other]\r\n"
            "IDC_CARNUM=not this one\r\n"
            "[CarNum]\r\n"
            "IDC_CARNUM=12가 3456\r\n");
  EXPECT_EQ(ReadOwnerInfo(card / "user.inf"), (OwnerInfo{"Kim Jiwoo", "12가 3456"}));
}

TEST(ConfigOwnerFile, MissingFileSectionOrKeyReadsEmpty) {
  const auto card = motrevix::test::ScratchDir();
  EXPECT_EQ(ReadOwnerInfo(card / "user.inf"), OwnerInfo{});
  WriteAll(card / "user.inf", "[UserName]\nOther=1\n");
  EXPECT_EQ(ReadOwnerInfo(card / "user.inf"), OwnerInfo{});
}

TEST(ConfigOwnerFile, NewFileAndFilesWithOtherLineEnds) {
  const struct {
    const char* what;
    const char* before;
    const char* after;
  } cases[] = {
      {"no file yet", nullptr, "[UserName]\r\nIDC_USERNAME=A\r\n[CarNum]\r\nIDC_CARNUM=B\r\n"},
      {"LF lines stay LF", "[CarNum]\nIDC_CARNUM=old\n",
       "[CarNum]\nIDC_CARNUM=B\n[UserName]\nIDC_USERNAME=A\n"},
      {"last line without a line end", "[UserName]\r\nX=1",
       "[UserName]\r\nX=1\r\nIDC_USERNAME=A\r\n[CarNum]\r\nIDC_CARNUM=B\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const auto card = motrevix::test::ScratchDir();
    if (c.before) WriteAll(card / "user.inf", c.before);
    RecordingPrompt prompt;
    ReplacingFileWriter writer;
    ASSERT_TRUE(WriteOwnerInfo(card, {"A", "B"}, prompt, writer));
    EXPECT_EQ(ReadAll(card / "user.inf"), c.after);
  }
}

TEST(ConfigOwnerFile, ReadersTakeAtMost254Characters) {
  const auto card = motrevix::test::ScratchDir();
  const std::string longName(300, 'n');
  std::string longCar;
  for (int i = 0; i < 300; ++i) longCar += "가";  // three bytes each
  RecordingPrompt prompt;
  ReplacingFileWriter writer;
  ASSERT_TRUE(WriteOwnerInfo(card, {longName, longCar}, prompt, writer));
  const OwnerInfo read = ReadOwnerInfo(card / "user.inf");
  EXPECT_EQ(read.name, std::string(254, 'n'));
  EXPECT_EQ(read.carNumber, longCar.substr(0, 254 * 3));
}

// Saving what was read back (as the command line and the dialog do) keeps a value
// nobody changed as it is stored, even when it is longer than readers take.
TEST(ConfigOwnerFile, UnchangedValuesKeepTheirLines) {
  const auto card = motrevix::test::ScratchDir();
  const std::string nameLine = "IDC_USERNAME = \"" + std::string(300, 'n') + "\"";
  const std::string original = "[UserName]\r\n" + nameLine + "\r\n[CarNum]\r\nIDC_CARNUM=12A\r\n";
  WriteAll(card / "user.inf", original);
  RecordingPrompt prompt;
  ReplacingFileWriter writer;

  OwnerInfo owner = ReadOwnerInfo(card / "user.inf");
  ASSERT_TRUE(WriteOwnerInfo(card, owner, prompt, writer));
  EXPECT_EQ(ReadAll(card / "user.inf"), original);

  owner.carNumber = "99Z";
  ASSERT_TRUE(WriteOwnerInfo(card, owner, prompt, writer));
  EXPECT_EQ(ReadAll(card / "user.inf"),
            "[UserName]\r\n" + nameLine + "\r\n[CarNum]\r\nIDC_CARNUM=99Z\r\n");

  owner.name = "Kim";
  ASSERT_TRUE(WriteOwnerInfo(card, owner, prompt, writer));
  EXPECT_EQ(ReadAll(card / "user.inf"),
            "[UserName]\r\nIDC_USERNAME=Kim\r\n[CarNum]\r\nIDC_CARNUM=99Z\r\n");
  EXPECT_TRUE(prompt.messages.empty());
}

TEST(ConfigOwnerFile, RefusesValuesThatWouldBreakTheFile) {
  const auto card = motrevix::test::ScratchDir();
  WriteAll(card / "user.inf", "[UserName]\r\nIDC_USERNAME=Old\r\n");
  RecordingPrompt prompt;
  ReplacingFileWriter writer;
  EXPECT_FALSE(WriteOwnerInfo(card, {"Kim\r\n[CarNum]", "1"}, prompt, writer));
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(ReadAll(card / "user.inf"), "[UserName]\r\nIDC_USERNAME=Old\r\n");
}

TEST(ConfigOwnerFile, UnreadableExistingFileIsNotOverwritten) {
  const auto card = motrevix::test::ScratchDir();
  std::filesystem::create_directory(card / "user.inf");
  RecordingPrompt prompt;
  ReplacingFileWriter writer;
  EXPECT_FALSE(WriteOwnerInfo(card, {"A", "B"}, prompt, writer));
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_TRUE(std::filesystem::is_directory(card / "user.inf"));
}

TEST(ConfigProfileText, ReadsValuesTheWayProfileReadersDo) {
  const std::string text =
      "\xEF\xBB\xBF[UserName]\r\n"
      "; IDC_USERNAME=commented out\r\n"
      "  idc_username  =  \"  quoted  \"  \r\n"
      "[CarNum]\r\n"
      "IDC_CARNUM=\r\n";
  EXPECT_EQ(ReadProfileValue(text, "USERNAME", "IDC_USERNAME"), "  quoted  ");
  EXPECT_EQ(ReadProfileValue(text, "CarNum", "IDC_CARNUM"), "");
  EXPECT_EQ(ReadProfileValue(text, "CarNum", "IDC_USERNAME"), std::nullopt);
  EXPECT_EQ(ReadProfileValue(text, "Missing", "IDC_CARNUM"), std::nullopt);
}

}  // namespace
}  // namespace motrevix::config
