#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalog_globals.h"
#include "catalog/file_name_text.h"
#include "tests/catalog/card_tree.h"
#include "tests/support/test_support.h"
#include "tools/cli/cli_commands.h"

namespace motrevix::cli {
namespace {

using test::CardTree;

struct ScanRun {
  int exitCode;
  std::string out;
  std::string err;
};

ScanRun Scan(const Args& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int exitCode = RunScan(args, out, err);
  return {exitCode, out.str(), err.str()};
}

class ScanCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    catalog::ResetCatalogGlobals();
    card.File("Normal/N_2024_05_17_08_31_05.AVI", 1024 * 1024);
    card.File("Normal/N_2024_05_17_09_02_00.AVI");
    card.File("Event/old/E_2024_05_17_08_33_47.AVI");
    card.File("Event/E_2024_05_17_08_31_10.MP4");
  }
  void TearDown() override { catalog::ResetCatalogGlobals(); }

  std::string Folder(const char* relative = "") const {
    return card.PathText(relative).toStdString();
  }

  CardTree card{test::ScratchDir() / "card"};
};

// Splits "name\tsize\tdate\tpath" lines, dropping the date (it is the files' birth date).
std::vector<std::string> RowsWithoutDate(const std::string& text) {
  std::vector<std::string> rows;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> columns;
    std::istringstream cells(line);
    for (std::string cell; std::getline(cells, cell, '\t');) columns.push_back(cell);
    if (columns.size() != 4) return {"malformed: " + line};
    rows.push_back(columns[0] + "|" + columns[1] + "|" + columns[3]);
  }
  return rows;
}

TEST_F(ScanCommandTest, FullListingPrintsRowsSortedByName) {
  const ScanRun run = Scan({Folder()});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_EQ(RowsWithoutDate(run.out),
            (std::vector<std::string>{
                "E_2024_05_17_08_33_47|0|" + Folder("Event/old/E_2024_05_17_08_33_47.AVI"),
                "N_2024_05_17_08_31_05|1,024|" + Folder("Normal/N_2024_05_17_08_31_05.AVI"),
                "N_2024_05_17_09_02_00|0|" + Folder("Normal/N_2024_05_17_09_02_00.AVI")}));
}

TEST_F(ScanCommandTest, FilteredListingsAsJson) {
  const struct {
    Args filter;
    const char* folder;
    const char* listing;
    std::vector<std::string> names;
  } cases[] = {
      {{"--minute", "31"}, "Event", "minute", {"E_2024_05_17_08_31_10.MP4"}},
      {{"--hour", "9"}, "Normal", "hour", {"N_2024_05_17_09_02_00.AVI"}},
      {{"--day", "2024-05-17"}, "Event", "day", {}},
      {{}, "Event", "all", {"E_2024_05_17_08_33_47"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.listing);
    Args args = c.filter;
    args.insert(args.begin(), Folder(c.folder));
    args.push_back("--json");
    const ScanRun run = Scan(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    QJsonParseError error{};
    const QJsonObject root =
        QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << run.out;
    EXPECT_EQ(root["listing"].toString().toStdString(), c.listing);
    std::vector<std::string> names;
    for (const auto& row : root["rows"].toArray()) {
      names.push_back(row.toObject()["name"].toString().toStdString());
      EXPECT_FALSE(row.toObject()["date"].toString().isEmpty());
      EXPECT_TRUE(row.toObject()["path"].toString().startsWith(card.PathText(c.folder)));
    }
    EXPECT_EQ(names, c.names);
  }
}

TEST_F(ScanCommandTest, HourListingReportsTheCurrentHour) {
  card.File("Hour/notes_x_x_x_7.txt");
  const ScanRun run = Scan({Folder("Hour"), "--hour", "3", "--json"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
  EXPECT_EQ(root["currentHour"].toInt(-1), 7);
  EXPECT_TRUE(root["rows"].toArray().isEmpty());
}

// Names are bytes: one that is not UTF-8, and characters that would break a text
// row, come out so that the printed path names the file.
TEST_F(ScanCommandTest, NamesKeepTheirBytesInTextAndJson) {
  const std::string folder = "odd\xfe folder";
  const struct {
    std::string file;  // in `folder`
    std::string cell;  // its path's tail in a text row
  } cases[] = {
      {"A_not_utf8_\xff.AVI", "odd\\xFE folder/A_not_utf8_\\xFF.AVI"},
      {"B_tab\there.AVI", "odd\\xFE folder/B_tab\\there.AVI"},
      {"C_line\nfeed\r.AVI", "odd\\xFE folder/C_line\\nfeed\\r.AVI"},
      {"D_back\\slash.AVI", "odd\\xFE folder/D_back\\\\slash.AVI"},
      {"E_\xed\xa0\x80_surrogate_\xc0\xaf_overlong.AVI",
       "odd\\xFE folder/E_\\xED\\xA0\\x80_surrogate_\\xC0\\xAF_overlong.AVI"},
      {"F_\xea\xb0\x80_\xf0\x9f\x98\x80.AVI",
       "odd\\xFE folder/F_\xea\xb0\x80_\xf0\x9f\x98\x80.AVI"},
  };
  for (const auto& c : cases) card.File(folder + "/" + c.file);
  const std::string root = card.Root().string() + "/";

  const ScanRun text = Scan({root + folder});
  ASSERT_EQ(text.exitCode, 0) << text.err;
  std::vector<std::string> cells;
  std::istringstream lines(text.out);
  for (std::string line; std::getline(lines, line);)
    cells.push_back(line.substr(line.rfind('\t') + 1));
  std::vector<std::string> expected;
  for (const auto& c : cases) expected.push_back(root + c.cell);
  EXPECT_EQ(cells, expected);

  const ScanRun json = Scan({root + folder, "--json"});
  ASSERT_EQ(json.exitCode, 0) << json.err;
  const QJsonObject object = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
  EXPECT_EQ(catalog::FileNameBytes(object["folder"].toString()).toStdString(), root + folder);
  std::vector<std::string> paths;
  for (const auto& row : object["rows"].toArray())
    paths.push_back(catalog::FileNameBytes(row.toObject()["path"].toString()).toStdString());
  expected.clear();
  for (const auto& c : cases) expected.push_back(root + folder + "/" + c.file);
  EXPECT_EQ(paths, expected);
  EXPECT_NE(json.out.find("\\udcff"), std::string::npos);
}

TEST_F(ScanCommandTest, RejectsBadCommandLinesWithAReason) {
  const struct {
    Args args;
    int exitCode;
    const char* reason;
  } cases[] = {
      {{}, kUsageError, "missing FOLDER"},
      {{"--json"}, kUsageError, "missing FOLDER"},
      {{"DIR", "--hour"}, kUsageError, "--hour needs a value"},
      {{"DIR", "--hour", "25"}, kUsageError, "0 to 24"},
      {{"DIR", "--hour", "8x"}, kUsageError, "0 to 24"},
      {{"DIR", "--minute", "61"}, kUsageError, "0 to 60"},
      {{"DIR", "--day", "2024-13-01"}, kUsageError, "YYYY-MM-DD"},
      {{"DIR", "--day", "2024-5-17"}, kUsageError, "YYYY-MM-DD"},
      {{"DIR", "--hour", "1", "--minute", "2"}, kUsageError, "at most one"},
      {{"DIR", "DIR"}, kUsageError, "only one FOLDER"},
      {{"DIR", "--sort"}, kUsageError, "unknown option '--sort'"},
      {{"MISSING"}, 1, "cannot read folder"},
  };
  for (const auto& c : cases) {
    Args args = c.args;
    for (auto& arg : args) {
      if (arg == "DIR") arg = Folder();
      if (arg == "MISSING") arg = Folder("missing");
    }
    SCOPED_TRACE(c.reason);
    const ScanRun run = Scan(args);
    EXPECT_EQ(run.exitCode, c.exitCode);
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
  }
}

}  // namespace
}  // namespace motrevix::cli
