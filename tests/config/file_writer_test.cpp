// Replacing a camera file through a temporary file: the old file stays whole until
// the new one is complete, and failures leave nothing behind.
#include "config/file_writer.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <optional>
#include <string>

#include "config/camera_files.h"
#include "config/setup_defaults.h"
#include "tests/config/config_test_helpers.h"
#include "tests/support/recording_prompt.h"
#include "tests/support/test_support.h"
#include "tests/support/unprivileged.h"

namespace motrevix::config {
namespace {

namespace fs = std::filesystem;
using test::ReadAll;
using test::WriteAll;

// Caps the size of files this process writes, so that a write stops half-way the
// way it does on a full card. Real writes, real failure, also when running as root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &m_saved);
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = m_saved;
    limited.rlim_cur = bytes;
    m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_oldHandler);
  }
  bool Active() const { return m_active; }

 private:
  rlimit m_saved{};
  void (*m_oldHandler)(int) = nullptr;
  bool m_active = false;
};

std::vector<fs::path> FolderContents(const fs::path& folder) {
  std::vector<fs::path> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ConfigFileWriter, ReplacesTheFileAndKeepsItsPermissions) {
  const fs::path card = motrevix::test::ScratchDir();
  WriteAll(card / "rdsetup.cfg", "old contents that are longer");
  fs::permissions(card / "rdsetup.cfg", fs::perms::owner_read | fs::perms::owner_write);
  ReplacingFileWriter writer;
  ASSERT_TRUE(writer.ReplaceFile(card / "rdsetup.cfg", "new").ok);
  EXPECT_EQ(ReadAll(card / "rdsetup.cfg"), "new");
  EXPECT_EQ(fs::status(card / "rdsetup.cfg").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(FolderContents(card), std::vector<fs::path>{"rdsetup.cfg"});
}

TEST(ConfigFileWriter, FailuresReportAnErrorAndLeaveNothingBehind) {
  const fs::path card = motrevix::test::ScratchDir();
  WriteAll(card / "a-file", "x");
  fs::create_directory(card / "user.inf");
  const struct {
    const char* what;
    fs::path target;
  } cases[] = {
      {"card folder missing", card / "missing" / "rdsetup.cfg"},
      {"a file where the folder should be", card / "a-file" / "rdsetup.cfg"},
      {"a folder where the file should be", card / "user.inf"},
  };
  ReplacingFileWriter writer;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const WriteResult result = writer.ReplaceFile(c.target, "data");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error, 0);
  }
  EXPECT_EQ(FolderContents(card), (std::vector<fs::path>{"a-file", "user.inf"}));
  EXPECT_TRUE(fs::is_directory(card / "user.inf"));
}

// Whatever the card holds under the old temporary name (a link to another file, a
// FIFO, a file of its own) is neither followed, nor waited on, nor reused.
TEST(ConfigFileWriter, EntriesNamedLikeTheTemporaryFileAreLeftAlone) {
  for (const char* fileName : {"rdsetup.cfg", "user.inf", "Date_Time.cfg"}) {
    for (const char* kind : {"link", "fifo", "file"}) {
      SCOPED_TRACE(std::string(fileName) + " with a " + kind + " as its .tmp");
      const fs::path card = motrevix::test::ScratchDir() / (std::string(fileName) + "-" + kind);
      fs::create_directories(card);
      const fs::path outside = card.parent_path() / "elsewhere.txt";
      WriteAll(outside, "not a camera file");
      WriteAll(card / fileName, "old");
      const fs::path temporary = card / (std::string(fileName) + ".tmp");
      if (std::string(kind) == "link") fs::create_symlink(outside, temporary);
      if (std::string(kind) == "fifo") {
        ASSERT_EQ(mkfifo(temporary.c_str(), 0644), 0);
      }
      if (std::string(kind) == "file") WriteAll(temporary, "someone's file");

      ReplacingFileWriter writer;
      ASSERT_TRUE(writer.ReplaceFile(card / fileName, "new").ok);
      EXPECT_EQ(ReadAll(card / fileName), "new");
      EXPECT_FALSE(fs::is_symlink(card / fileName));
      EXPECT_EQ(ReadAll(outside), "not a camera file");
      EXPECT_EQ(FolderContents(card), (std::vector<fs::path>{fileName, temporary.filename()}));
      EXPECT_EQ(fs::is_symlink(temporary), std::string(kind) == "link");
      EXPECT_EQ(fs::is_fifo(temporary), std::string(kind) == "fifo");
      if (fs::is_symlink(temporary)) {
        EXPECT_EQ(fs::read_symlink(temporary), outside);
      } else if (!fs::is_fifo(temporary)) {
        EXPECT_EQ(ReadAll(temporary), "someone's file");
      }
    }
  }
}

TEST(ConfigFileWriter, WriteStoppedHalfWayKeepsTheOldFileWhole) {
  const fs::path card = motrevix::test::ScratchDir();
  const std::string oldRecord(348, '\x44');
  WriteAll(card / "rdsetup.cfg", oldRecord);
  WriteAll(card / "user.inf", "[UserName]\r\nIDC_USERNAME=Old\r\n");
  ResetConfigState();
  ApplySetupDefaults(g_SetupRecord);
  RecordingPrompt prompt;
  ReplacingFileWriter writer;
  SaveRequest request;
  request.fields = DefaultSetupFields();
  request.owner = OwnerInfo{"New", "1"};
  SaveOutcome outcome;
  {
    FileSizeLimit limit(100);
    ASSERT_TRUE(limit.Active());
    outcome = SaveCameraFiles(card, request, prompt, writer);
  }
  EXPECT_FALSE(outcome.settingsSaved);
  ASSERT_EQ(prompt.messages.size(), 1u);
  EXPECT_EQ(prompt.messages[0].text,
            "The disk is full while accessing " + (card / "rdsetup.cfg").string() + ".");
  EXPECT_EQ(ReadAll(card / "rdsetup.cfg"), oldRecord);
  EXPECT_EQ(ReadAll(card / "user.inf"), "[UserName]\r\nIDC_USERNAME=Old\r\n");
  EXPECT_EQ(FolderContents(card), (std::vector<fs::path>{"rdsetup.cfg", "user.inf"}));
  ResetConfigState();
}

// A write-protected card: as root the save runs as an ordinary user, for whom the
// folder's permissions hold.
TEST(ConfigFileWriter, ReadOnlyCardRootFailsTheSaveWithAReport) {
  const fs::path card = motrevix::test::ScratchDir();
  const std::string oldRecord(348, '\x44');
  WriteAll(card / "rdsetup.cfg", oldRecord);
  WriteAll(card / "user.inf", "[UserName]\r\nIDC_USERNAME=Old\r\n");
  fs::permissions(card, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read |
                            fs::perms::others_exec);
  const auto save = [&card] {
    RecordingPrompt prompt;
    ReplacingFileWriter writer;
    SaveRequest request;
    request.fields = DefaultSetupFields();
    request.owner = OwnerInfo{"New", "1"};
    const SaveOutcome outcome = SaveCameraFiles(card, request, prompt, writer);
    std::string result = outcome.settingsSaved || outcome.ownerSaved ? "written" : "refused";
    for (const auto& message : prompt.messages) result += "\n" + message.text;
    return result;
  };
  std::optional<std::string> result;
  if (geteuid() == 0)
    result = motrevix::test::AsUnprivilegedUser(card, save);
  else
    result = save();
  fs::permissions(card, fs::perms::owner_all);
  if (!result) GTEST_SKIP() << "cannot run the save as an unprivileged user here";
  EXPECT_EQ(*result, "refused\nAccess to " + (card / "rdsetup.cfg").string() + " was denied.");
  EXPECT_EQ(ReadAll(card / "rdsetup.cfg"), oldRecord);
  EXPECT_EQ(ReadAll(card / "user.inf"), "[UserName]\r\nIDC_USERNAME=Old\r\n");
  EXPECT_EQ(FolderContents(card), (std::vector<fs::path>{"rdsetup.cfg", "user.inf"}));
}

}  // namespace
}  // namespace motrevix::config
