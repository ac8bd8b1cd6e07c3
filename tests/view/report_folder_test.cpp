// The report's work folder in the shared temporary folder, and its fixed files.
#include "view/report_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "tests/support/test_support.h"

namespace motrevix {
namespace {

namespace fs = std::filesystem;

std::string FileText(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  EXPECT_EQ(::lstat(path.c_str(), &info), 0);
  return info.st_mode & 07777;
}

TEST(ReportFolder, FilesLieInTheMotrevixFolderOfTheTemporaryFolder) {
  for (const char* temporary : {"/tmp", "/tmp/"}) {
    const ReportFiles files = ReportFilesIn(temporary);
    EXPECT_EQ(files.folder, "/tmp/motrevix");
    EXPECT_EQ(files.frontPicture, "/tmp/motrevix/_MX_front.bmp");
    EXPECT_EQ(files.rearPicture, "/tmp/motrevix/_MX_rear.bmp");
    EXPECT_EQ(files.page, "/tmp/motrevix/_MXreport.html");
  }
}

TEST(ReportFolder, IsMadeOrNarrowedToTheOwnerAlone) {
  const fs::path dir = test::ScratchDir();
  const mode_t oldMask = ::umask(0);
  const fs::path made = dir / "made";
  EXPECT_EQ(PrepareReportFolder(made.string()), std::nullopt);
  EXPECT_TRUE(fs::is_directory(made));
  EXPECT_EQ(ModeOf(made), 0700u);

  const fs::path open = dir / "open";
  ASSERT_EQ(::mkdir(open.c_str(), 0777), 0);
  std::ofstream(open / "_MX_front.bmp") << "kept";
  EXPECT_EQ(PrepareReportFolder(open.string()), std::nullopt);
  EXPECT_EQ(ModeOf(open), 0700u);
  EXPECT_EQ(FileText(open / "_MX_front.bmp"), "kept");
  ::umask(oldMask);
}

TEST(ReportFolder, RefusesWhatAnotherUserCouldHavePutInItsPlace) {
  const fs::path dir = test::ScratchDir();
  fs::create_directory(dir / "target");
  fs::create_directory_symlink(dir / "target", dir / "link");
  std::ofstream(dir / "file") << "x";
  const struct {
    fs::path folder;
    const char* why;
  } cases[] = {
      {dir / "link", "symbolic link"},
      {dir / "file", "not a folder"},
      {dir / "missing" / "motrevix", "No such file"},
  };
  for (const auto& c : cases) {
    const auto error = PrepareReportFolder(c.folder.string());
    ASSERT_TRUE(error.has_value()) << c.folder;
    EXPECT_NE(error->find(c.folder.string()), std::string::npos) << *error;
    EXPECT_NE(error->find(c.why), std::string::npos) << *error;
  }
  EXPECT_EQ(ModeOf(dir / "target"), ModeOf(dir));  // the link's target is left alone

  if (::geteuid() != 0) GTEST_SKIP() << "a folder of another user needs root to make";
  const fs::path foreign = dir / "foreign";
  fs::create_directory(foreign);
  ASSERT_EQ(::chown(foreign.c_str(), 65534, 65534), 0);
  const auto error = PrepareReportFolder(foreign.string());
  ASSERT_TRUE(error.has_value());
  EXPECT_NE(error->find("another user"), std::string::npos) << *error;
}

TEST(ReportFolder, OldPicturesGoAndThePageIsWrittenWholeOrNotAtAll) {
  const fs::path dir = test::ScratchDir();
  const ReportFiles files = ReportFilesIn(dir.string());
  ASSERT_EQ(PrepareReportFolder(files.folder), std::nullopt);
  // No pictures yet: nothing to delete is no failure.
  EXPECT_EQ(RemoveOldPictures(files), std::nullopt);
  std::ofstream(files.frontPicture) << "old front";
  std::ofstream(files.rearPicture) << "old rear";
  EXPECT_EQ(RemoveOldPictures(files), std::nullopt);
  EXPECT_FALSE(fs::exists(files.frontPicture));
  EXPECT_FALSE(fs::exists(files.rearPicture));

  EXPECT_EQ(WriteReportPage(files.page, "<body>one</body>\n"), std::nullopt);
  EXPECT_EQ(FileText(files.page), "<body>one</body>\n");
  EXPECT_EQ(WriteReportPage(files.page, "two"), std::nullopt);
  EXPECT_EQ(FileText(files.page), "two");

  // A picture name taken by a folder cannot be deleted; a page name taken by one
  // cannot be written. Both are reported with the name.
  fs::create_directory(files.frontPicture);
  const auto removeError = RemoveOldPictures(files);
  ASSERT_TRUE(removeError.has_value());
  EXPECT_NE(removeError->find(files.frontPicture), std::string::npos);
  const auto pageError = WriteReportPage(files.folder + "/missing/page.html", "x");
  ASSERT_TRUE(pageError.has_value());
  EXPECT_NE(pageError->find("missing/page.html"), std::string::npos);
  EXPECT_EQ(FileText(files.page), "two");
}

}  // namespace
}  // namespace motrevix
