#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalog_globals.h"
#include "catalog/name_field.h"
#include "catalog/recording_listing.h"
#include "tests/catalog/card_tree.h"
#include "tests/support/test_support.h"

namespace motrevix::catalog {
namespace {

using test::CardTree;
using test::Names;
namespace fs = std::filesystem;

// The regular files of a folder in the order the file system yields them.
std::vector<std::string> DirectoryOrder(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
  return names;
}

std::vector<std::string> InDirectoryOrder(const fs::path& folder,
                                          const std::set<std::string>& wanted) {
  std::vector<std::string> ordered;
  for (const auto& name : DirectoryOrder(folder))
    if (wanted.count(name)) ordered.push_back(name);
  return ordered;
}

class FilteredListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetCatalogGlobals();
    day.File("N_2024_05_17_08_31_05.AVI", 5 * 1024);
    day.File("N_2024_05_17_09_31_05.AVI");
    day.File("N_2024_05_18_08_45_00.AVI");
    day.File("N_2024_05_17_08_31_07.MP4");
    day.File("n_2024_05_17_08_31_09.avi");
    day.File("short.AVI");  // fewer than six fields: all read 0
    day.File("notes_2024_05_17_08_31.txt");
    day.File("sub/N_2024_05_17_08_31_05.AVI");  // no recursion
    day.Folder("N_2024_05_17_08_31_11.AVI");    // a folder is never a recording
    day.Fifo("N_2024_05_17_08_31_13.AVI");
    day.Link("N_2024_05_17_08_31_15.AVI", "N_2024_05_17_08_31_05.AVI");
  }
  void TearDown() override { ResetCatalogGlobals(); }

  CardTree day{test::ScratchDir() / "day"};
};

TEST_F(FilteredListingTest, ListTheMatchingFilesOfOneFolderInDirectoryOrder) {
  struct Case {
    const char* label;
    std::function<void(const QString&, ListingState&, RecordingRows&)> list;
    std::set<std::string> expected;
  };
  const auto byHour = [](int hour) {
    return [hour](const QString& folder, ListingState& state, RecordingRows& rows) {
      g_nSelectedHour = hour;
      ListByHour(folder, state, rows);
    };
  };
  const auto byMinute = [](int minute) {
    return [minute](const QString& folder, ListingState&, RecordingRows& rows) {
      g_nSelectedMinute = minute;
      ListByMinute(folder, rows);
    };
  };
  const auto byDay = [](int year, int month, int dayOfMonth) {
    return [=](const QString& folder, ListingState& state, RecordingRows& rows) {
      state.m_nCalYear = year;
      state.m_nCalMonth = month;
      state.m_nCalDay = dayOfMonth;
      ListByDay(folder, state, rows);
    };
  };
  const Case cases[] = {
      {"hour 8",
       byHour(8),
       {"N_2024_05_17_08_31_05.AVI", "N_2024_05_18_08_45_00.AVI", "n_2024_05_17_08_31_09.avi",
        "N_2024_05_17_08_31_15.AVI"}},
      {"hour 9", byHour(9), {"N_2024_05_17_09_31_05.AVI"}},
      {"hour 0", byHour(0), {"short.AVI"}},
      {"hour 23", byHour(23), {}},
      {"minute 31",
       byMinute(31),
       {"N_2024_05_17_08_31_05.AVI", "N_2024_05_17_09_31_05.AVI", "N_2024_05_17_08_31_07.MP4",
        "n_2024_05_17_08_31_09.avi", "N_2024_05_17_08_31_15.AVI"}},
      {"minute 45", byMinute(45), {"N_2024_05_18_08_45_00.AVI"}},
      {"minute 0", byMinute(0), {"short.AVI"}},
      {"day 2024-05-17",
       byDay(2024, 5, 17),
       {"N_2024_05_17_08_31_05.AVI", "N_2024_05_17_09_31_05.AVI", "n_2024_05_17_08_31_09.avi",
        "N_2024_05_17_08_31_15.AVI"}},
      {"day 2024-05-18", byDay(2024, 5, 18), {"N_2024_05_18_08_45_00.AVI"}},
      {"day 2023-05-17", byDay(2023, 5, 17), {}},
      {"day 0-0-0", byDay(0, 0, 0), {"short.AVI"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ListingState state;
    RecordingRows rows;
    c.list(day.RootText() + "/", state, rows);
    EXPECT_EQ(Names(rows), InDirectoryOrder(day.Root(), c.expected));
    for (const auto& row : rows) {
      EXPECT_EQ(row.m_strPath, day.PathText(row.m_strName.toStdString()));
      const bool fiveKiB = row.m_strName == u"N_2024_05_17_08_31_05.AVI" ||
                           row.m_strName == u"N_2024_05_17_08_31_15.AVI";
      EXPECT_EQ(row.m_strSize, fiveKiB ? QStringLiteral("5") : QStringLiteral("0"));
    }
  }
}

TEST_F(FilteredListingTest, AppendAfterExistingRowsAndIgnoreWhatCannotBeRead) {
  g_nSelectedMinute = 45;
  RecordingRows rows{{"earlier", "0", "00.00.00", "/x/earlier.AVI"}};
  ListByMinute(day.PathText("missing"), rows);
  ListByMinute(day.PathText("short.AVI"), rows);
  ASSERT_EQ(rows.size(), 1u);
  ListByMinute(day.RootText(), rows);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].m_strName, QStringLiteral("earlier"));
  EXPECT_EQ(rows[1].m_strName, QStringLiteral("N_2024_05_18_08_45_00.AVI"));
}

TEST(ListByHourCurrentHour, HoldsTheHourFieldOfTheLastFileExamined) {
  ResetCatalogGlobals();
  g_nSelectedHour = 3;
  CardTree tree(test::ScratchDir());

  // A file that is not a recording is still examined; folders are not.
  tree.File("notes/notes_a_b_c_7.txt");
  tree.Folder("notes/X_1_1_1_9.AVI");
  ListingState state;
  RecordingRows rows;
  ListByHour(tree.PathText("notes"), state, rows);
  EXPECT_TRUE(rows.empty());
  EXPECT_EQ(state.m_nCurrentHour, 7);

  // Several files: the last one in directory order decides.
  for (const char* name :
       {"A_2024_01_01_05_00.AVI", "B_2024_01_01_11_00.AVI", "C_2024_01_01_03_00.AVI"})
    tree.File(std::string("three/") + name);
  ListByHour(tree.PathText("three"), state, rows);
  EXPECT_EQ(Names(rows), std::vector<std::string>{"C_2024_01_01_03_00.AVI"});
  const std::string last = DirectoryOrder(tree.Root() / "three").back();
  EXPECT_EQ(state.m_nCurrentHour, NameField(QString::fromStdString(last), kHourField));

  // No file examined: the value stays.
  state.m_nCurrentHour = 13;
  tree.Folder("empty/sub");
  ListByHour(tree.PathText("empty"), state, rows);
  ListByHour(tree.PathText("missing"), state, rows);
  EXPECT_EQ(state.m_nCurrentHour, 13);
  ResetCatalogGlobals();
}

}  // namespace
}  // namespace motrevix::catalog
