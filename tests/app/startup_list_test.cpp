// The recordings named on the command line, and the viewer started on them.
#include "app/startup_list.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

std::filesystem::path MakeTinyCard() {
  const std::filesystem::path card = ScratchDir() / "card";
  std::filesystem::create_directories(card / "Normal");
  std::filesystem::create_directories(card / "Event");
  const std::pair<const char*, const char*> files[] = {
      {"Normal", "N_2024_05_17_08_32_05.AVI"},
      {"Event", "E_2024_05_17_08_33_47.AVI"},
      {"Normal", "N_2024_05_17_08_31_05.AVI"},
  };
  for (const auto& [folder, name] : files) {
    const ProcessResult run =
        RunTool("make-recording", {"--out", (card / folder / name).string(), "--seconds", "1",
                                   "--front", "160x120", "--rear", "160x120", "--fps", "10"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
  }
  std::ofstream(card / "Normal" / "notes.txt") << "not a recording\n";
  return card;
}

TEST(StartupList, AFolderGivesItsRecordingsInNameOrder) {
  const auto card = MakeTinyCard();
  for (const bool asOption : {true, false}) {
    const QString folder = QString::fromStdString(card.string());
    const StartupList list =
        asOption ? ListFromArguments(folder, {}) : ListFromArguments(std::nullopt, {folder});
    ASSERT_TRUE(list.error.isEmpty()) << list.error.toStdString();
    ASSERT_EQ(list.rows.size(), 3u);
    EXPECT_EQ(list.rows[0].m_strName, "E_2024_05_17_08_33_47");
    EXPECT_EQ(list.rows[1].m_strName, "N_2024_05_17_08_31_05");
    EXPECT_EQ(list.rows[2].m_strName, "N_2024_05_17_08_32_05");
    EXPECT_EQ(list.rows[1].Column(3),
              QString::fromStdString((card / "Normal" / "N_2024_05_17_08_31_05.AVI").string()));
    EXPECT_EQ(list.folder, QString::fromStdString(card.string()) + "/");
  }
}

TEST(StartupList, FilesGiveOneRowEachInTheirOrder) {
  const auto card = MakeTinyCard();
  const QString b =
      QString::fromStdString((card / "Normal" / "N_2024_05_17_08_32_05.AVI").string());
  const QString a = QString::fromStdString((card / "Event" / "E_2024_05_17_08_33_47.AVI").string());
  const StartupList list = ListFromArguments(std::nullopt, {b, a});
  ASSERT_TRUE(list.error.isEmpty());
  ASSERT_EQ(list.rows.size(), 2u);
  EXPECT_EQ(list.rows[0].Column(3), b);
  EXPECT_EQ(list.rows[1].Column(3), a);
  EXPECT_EQ(list.rows[0].m_strName, "N_2024_05_17_08_32_05");
  EXPECT_FALSE(list.rows[0].m_strSize.isEmpty());
  EXPECT_TRUE(list.folder.isEmpty());
}

TEST(StartupList, RefusesWhatItCannotList) {
  const auto card = MakeTinyCard();
  const QString folder = QString::fromStdString(card.string());
  const QString missing = folder + "/nothing.AVI";
  const struct {
    std::optional<QString> folder;
    QStringList arguments;
    const char* error;
  } cases[] = {
      {std::nullopt, {missing}, "no such file: "},
      {folder + "/absent", {}, "not a folder: "},
      {folder, {missing}, "either --folder DIR or files"},
      {std::nullopt, {missing, folder}, "no such file: "},
      {std::nullopt, {folder + "/Normal/N_2024_05_17_08_31_05.AVI", folder}, "not a file: "},
  };
  for (const auto& c : cases) {
    const StartupList list = ListFromArguments(c.folder, c.arguments);
    EXPECT_TRUE(list.error.contains(c.error)) << list.error.toStdString();
    EXPECT_TRUE(list.rows.empty());
  }
}

TEST(ViewerProgram, OpensACardPlaysAndSavesAPicture) {
  const auto card = MakeTinyCard();
  const auto picture = card.parent_path() / "window.png";
  setenv("MOTREVIX_SETTINGS_FILE", (card.parent_path() / "registry.ini").c_str(), 1);
  const ProcessResult run =
      RunTool("motrevix", {card.string(), "--offline", "--play", "--screenshot", picture.string(),
                           "--screenshot-delay", "500"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  const QImage image(QString::fromStdString(picture.string()));
  ASSERT_EQ(image.size(), QSize(1080, 710));
  // The first row plays: the generator's blue front picture fills its pane,
  // which shows the dark grey background while nothing plays.
  const QColor centre = image.pixelColor(31 + 375, 46 + 300);
  EXPECT_GT(centre.blue(), 100) << centre.name().toStdString();
  const ProcessResult bad = RunTool("motrevix", {"--folder", (card / "absent").string()});
  EXPECT_EQ(bad.exitCode, 2);
  EXPECT_NE(bad.err.find("not a folder: "), std::string::npos) << bad.err;
  unsetenv("MOTREVIX_SETTINGS_FILE");
}

}  // namespace
}  // namespace motrevix::test
