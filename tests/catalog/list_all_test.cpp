#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QRegularExpression>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "catalog/card_folders.h"
#include "catalog/recording_listing.h"
#include "catalog/row_text.h"
#include "platform/unique_fd.h"
#include "tests/catalog/card_tree.h"
#include "tests/support/test_support.h"
#include "tests/support/unprivileged.h"

namespace motrevix::catalog {
namespace {

using test::CardTree;
using test::Names;
using test::Paths;
namespace fs = std::filesystem;

// A card with the three usual category folders, nested folders, files that are
// not recordings, and symbolic links that lead back into the tree.
class ListAllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    card.File("Normal/N_2024_05_17_08_31_05.AVI", 2048);
    card.File("Normal/old/N_2023_01_02_03_04_05.AVI");
    card.Link("Normal/loop", "..");     // back up to the card root
    card.Link("Normal/old/self", ".");  // to its own folder
    card.File("Event/E_2024_05_17_08_33_47.AVI");
    card.File("Event/E_2024_05_17_13_21_10.mp4");
    card.File("Event/e_2024_05_18_18_47_02.avi");
    card.File("Event/old/E_2022_02_02_02_02_02.AVI");
    card.File("PARK/P_2024_05_17_22_10_00.AVI");
    card.File("PARK/notes.txt");
    card.File("PARK/clip.AVI/inner.AVI");  // a folder named like a recording
    card.Fifo("PARK/pipe.AVI");            // opening it would block the player
    card.Link("PARK/dangling.AVI", "missing.AVI");
    card.Link("shortcut.AVI", "Normal/N_2024_05_17_08_31_05.AVI");
    card.Link("LoopA", "LoopB");  // links that never resolve
    card.Link("LoopB", "LoopA");
    card.File("root.AVI");
    card.Folder("Empty");
  }

  CardTree card{test::ScratchDir() / "card"};
};

TEST_F(ListAllTest, ListsEveryAviFileAtAllDepthsOnce) {
  RecordingRows rows;
  ListAll(card.RootText() + "//", rows);  // separators in the folder are collapsed
  SortByNameOrder(rows);

  const std::vector<std::string> expectedNames = {"E_2022_02_02_02_02_02",
                                                  "E_2024_05_17_08_33_47",
                                                  "N_2023_01_02_03_04_05",
                                                  "N_2024_05_17_08_31_05",
                                                  "P_2024_05_17_22_10_00",
                                                  "e_2024_05_18_18_47_02",
                                                  "inner",
                                                  "root",
                                                  "shortcut"};
  const std::vector<std::string> expectedPaths = {"Event/old/E_2022_02_02_02_02_02.AVI",
                                                  "Event/E_2024_05_17_08_33_47.AVI",
                                                  "Normal/old/N_2023_01_02_03_04_05.AVI",
                                                  "Normal/N_2024_05_17_08_31_05.AVI",
                                                  "PARK/P_2024_05_17_22_10_00.AVI",
                                                  "Event/e_2024_05_18_18_47_02.avi",
                                                  "PARK/clip.AVI/inner.AVI",
                                                  "root.AVI",
                                                  "shortcut.AVI"};
  EXPECT_EQ(Names(rows), expectedNames);
  std::vector<std::string> fullPaths;
  for (const auto& relative : expectedPaths) fullPaths.push_back((card.Root() / relative).string());
  EXPECT_EQ(Paths(rows), fullPaths);

  const QRegularExpression dateForm(QStringLiteral("^\\d{2,4}\\.\\d{2}\\.\\d{2}$"));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.m_strPath.toStdString());
    EXPECT_TRUE(dateForm.match(row.m_strDate).hasMatch()) << row.m_strDate.toStdString();
    EXPECT_EQ(row.m_strSize,
              row.m_strName == u"N_2024_05_17_08_31_05" || row.m_strName == u"shortcut"
                  ? QStringLiteral("2")
                  : QStringLiteral("0"));
  }
}

TEST_F(ListAllTest, ListsEachSubFolderWholeWhereItIsMet) {
  RecordingRows rows;
  ListAll(card.RootText(), rows);
  ASSERT_EQ(rows.size(), 9u);
  // Depth first: the rows below any folder form one unbroken run.
  for (const char* folder : {"Normal/", "Normal/old/", "Event/", "Event/old/", "PARK/"}) {
    const QString prefix = card.PathText(folder);
    std::vector<std::size_t> inside;
    for (std::size_t i = 0; i < rows.size(); ++i)
      if (rows[i].m_strPath.startsWith(prefix)) inside.push_back(i);
    SCOPED_TRACE(folder);
    ASSERT_FALSE(inside.empty());
    EXPECT_EQ(inside.back() - inside.front() + 1, inside.size());
  }
}

TEST_F(ListAllTest, CategoryFolderListsItselfAndItsSubFolders) {
  RecordingRows rows;
  ListAll(CategoryFolder(CardRoot(card.RootText()), RecordingCategory::Event), rows);
  SortByNameOrder(rows);
  EXPECT_EQ(Paths(rows), (std::vector<std::string>{
                             card.PathText("Event/old/E_2022_02_02_02_02_02.AVI").toStdString(),
                             card.PathText("Event/E_2024_05_17_08_33_47.AVI").toStdString(),
                             card.PathText("Event/e_2024_05_18_18_47_02.avi").toStdString()}));
}

TEST_F(ListAllTest, AppendsAfterExistingRowsAndIgnoresWhatCannotBeRead) {
  const RecordingEntry earlier{"earlier", "1", "24.01.01", "/elsewhere/earlier.AVI"};
  RecordingRows rows{earlier};
  // A NUL character must not cut the path short (here to the card root).
  const QString withNul = card.RootText() + QChar(u'\0') + QStringLiteral("/Normal");
  for (const QString& folder : {card.PathText("Missing"), card.PathText("root.AVI"),
                                card.PathText("LoopA"), QString(), withNul})
    ListAll(folder, rows);
  ASSERT_EQ(rows.size(), 1u);

  ListAll(card.PathText("Empty"), rows);
  ListAll(card.PathText("Normal/old"), rows);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].m_strPath, earlier.m_strPath);
  EXPECT_EQ(rows[1].m_strPath, card.PathText("Normal/old/N_2023_01_02_03_04_05.AVI"));
}

// As root the listing runs as an ordinary user, for whom the locked folder is unreadable.
TEST_F(ListAllTest, SkipsASubFolderItCannotReadAndGoesOn) {
  const fs::path locked = card.Root() / "Normal/old";
  fs::permissions(locked, fs::perms::none);
  const auto list = [this] {
    RecordingRows rows;
    ListAll(card.RootText(), rows);
    SortByNameOrder(rows);
    std::string names;
    for (const auto& name : Names(rows)) names += name + " ";
    return names;
  };
  std::optional<std::string> names;
  if (geteuid() == 0)
    names = motrevix::test::AsUnprivilegedUser(card.Root(), list);
  else
    names = list();
  fs::permissions(locked, fs::perms::owner_all);
  if (!names) GTEST_SKIP() << "cannot list the card as an unprivileged user here";
  EXPECT_EQ(*names,
            "E_2022_02_02_02_02_02 E_2024_05_17_08_33_47 N_2024_05_17_08_31_05 "
            "P_2024_05_17_22_10_00 e_2024_05_18_18_47_02 inner root shortcut ");
}

TEST(ListAllDate, ShowsTheBirthTimeWhereTheFileSystemKeepsOne) {
  CardTree card(test::ScratchDir());
  card.File("N_2012_08_15_10_20_30.AVI");
  const std::string path = card.PathText("N_2012_08_15_10_20_30.AVI").toStdString();
  const struct timespec times[2] = {{1345032000, 0}, {1345032000, 0}};  // 2012-08-15
  ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
  struct statx info {};
  ASSERT_EQ(statx(AT_FDCWD, path.c_str(), 0, STATX_BTIME, &info), 0);
  const std::int64_t expected =
      (info.stx_mask & STATX_BTIME) ? info.stx_btime.tv_sec : std::int64_t{1345032000};

  RecordingRows rows;
  ListAll(card.RootText(), rows);
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].m_strDate, DateText(expected));
}

// A folder `depth` levels deep (each level named "d") holding one recording,
// made relative to each new folder so the path may exceed what open() accepts.
void MakeDeepTree(const fs::path& root, int depth) {
  fs::create_directories(root);
  UniqueFd folder(open(root.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  ASSERT_TRUE(folder.Valid());
  for (int level = 0; level < depth; ++level) {
    ASSERT_EQ(mkdirat(folder.Get(), "d", 0755), 0);
    folder = UniqueFd(openat(folder.Get(), "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    ASSERT_TRUE(folder.Valid());
  }
  const UniqueFd file(openat(folder.Get(), "deep.AVI", O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
  EXPECT_TRUE(file.Valid());
}

// The walk keeps its open folders on the heap: run on a thread with a small stack,
// a tree thousands of folders deep is listed whole instead of overflowing it.
TEST(ListAllDepth, DeepTreeIsListedWithoutUsingTheCallStack) {
  constexpr int kDepth = 3000;
  const fs::path root = test::ScratchDir() / "deep";
  MakeDeepTree(root, kDepth);
  struct Job {
    QString folder;
    RecordingRows rows;
  } job{QString::fromStdString(root.string()), {}};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setstacksize(&attributes, 256 * 1024);
  pthread_t thread;
  ASSERT_EQ(pthread_create(
                &thread, &attributes,
                [](void* argument) -> void* {
                  auto* work = static_cast<Job*>(argument);
                  ListAll(work->folder, work->rows);
                  return nullptr;
                },
                &job),
            0);
  pthread_join(thread, nullptr);
  pthread_attr_destroy(&attributes);

  QString expected = job.folder;
  for (int level = 0; level < kDepth; ++level) expected += QStringLiteral("/d");
  expected += QStringLiteral("/deep.AVI");
  ASSERT_EQ(job.rows.size(), 1u);
  EXPECT_EQ(job.rows[0].m_strName, QStringLiteral("deep"));
  EXPECT_EQ(job.rows[0].m_strPath, expected);
}

TEST(NameOrder, OrdinalByUtf16CodeUnits) {
  const std::vector<std::u16string> shuffled = {u"b", u"\uFF61", u"N_9",    u"a_",   u"\U0001F600",
                                                u"A", u"ab",     u"\u00E9", u"N_10", u"Z",
                                                u"a", u"B",      u""};
  // Upper before lower case, a prefix before what extends it, digits compared as
  // characters, and a character outside the basic plane (surrogates D800-DFFF)
  // before U+FF61, as UTF-16 code units order them.
  const std::vector<std::string> expected = {"",   "A",  "B", "N_10",   "N_9",        "Z",     "a",
                                             "a_", "ab", "b", "\u00E9", "\U0001F600", "\uFF61"};
  RecordingRows rows;
  for (const auto& name : shuffled)
    rows.push_back({QString::fromStdU16String(name), "0", "00.00.00", "/x"});
  SortByNameOrder(rows);
  EXPECT_EQ(Names(rows), expected);
}

}  // namespace
}  // namespace motrevix::catalog
