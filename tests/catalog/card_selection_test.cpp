// The drive dialog's texts: the entry of a mount point, the card root a chosen
// or typed text names, and the selection state that choosing a card or a folder
// leaves.
#include "catalog/card_selection.h"

#include <gtest/gtest.h>

#include <optional>

#include "catalog/catalog_globals.h"
#include "tests/catalog/card_tree.h"
#include "tests/support/test_support.h"

namespace motrevix::catalog {
namespace {

TEST(CardSelection, AnEntryNamesItsMountPointWithOneSeparator) {
  EXPECT_EQ(DriveEntryText(u"/media/user/CARD").toStdString(), "/media/user/CARD/ SD CARD");
  EXPECT_EQ(DriveEntryText(u"/media/user/CARD/").toStdString(), "/media/user/CARD/ SD CARD");
  EXPECT_EQ(DriveEntryText(u"/media/user/RD 310").toStdString(), "/media/user/RD 310/ SD CARD");
}

// Text taken from the combo box: an offered entry, a typed path with or without
// the entry's words, or text that must count as a cancel.
TEST(CardSelection, TheChosenTextGivesACardRootOnlyForAnExistingAbsoluteFolder) {
  const test::CardTree tree(test::ScratchDir());
  tree.Folder("SD_CARD/Normal");
  tree.Folder("RD 310");
  tree.File("file.AVI");
  const std::string root = tree.Root().string();
  const struct {
    std::string text;
    std::optional<std::string> cardRoot;
  } cases[] = {
      {root + "/SD_CARD/ SD CARD", root + "/SD_CARD/"},
      {root + "/SD_CARD", root + "/SD_CARD/"},
      {root + "/SD_CARD//", root + "/SD_CARD/"},
      {root + "/RD 310/ SD CARD", root + "/RD 310/"},
      {root + "/SD_CARD/Normal", root + "/SD_CARD/Normal/"},
      {"", std::nullopt},
      {" SD CARD", std::nullopt},
      {"   ", std::nullopt},
      {root + "/missing/ SD CARD", std::nullopt},
      {root + "/file.AVI", std::nullopt},
      // Relative text would put the camera's files in the program's working folder.
      {"SD_CARD", std::nullopt},
      {".", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("text '" + c.text + "'");
    const std::optional<QString> cardRoot = CardRootOfDriveText(QString::fromStdString(c.text));
    ASSERT_EQ(cardRoot.has_value(), c.cardRoot.has_value());
    if (cardRoot) {
      EXPECT_EQ(cardRoot->toStdString(), *c.cardRoot);
    }
  }
}

TEST(CardSelection, ACardAndThenAFolderSwitchWhatTheCategoriesWorkOn) {
  ResetCatalogGlobals();
  EXPECT_EQ(g_bCardSelected, 0);
  EXPECT_TRUE(g_szCardRoot.empty());

  SelectCard("/media/user/RD 310/ SD CARD", "/media/user/RD 310/");
  EXPECT_EQ(g_strSelectedDrive.toStdString(), "/media/user/RD 310/ SD CARD");
  EXPECT_EQ(g_szCardRoot, "/media/user/RD 310/");
  EXPECT_EQ(CardRootText().toStdString(), "/media/user/RD 310/");
  EXPECT_EQ(g_bCardSelected, 1);
  EXPECT_EQ(g_bFolderMode, 0);

  SelectFolder();
  EXPECT_EQ(g_bCardSelected, 0);
  EXPECT_EQ(g_bFolderMode, 1);

  SelectCard("/media/user/OTHER/ SD CARD", "/media/user/OTHER/");
  EXPECT_EQ(g_szCardRoot, "/media/user/OTHER/");
  EXPECT_EQ(g_bCardSelected, 1);
  EXPECT_EQ(g_bFolderMode, 0);
  ResetCatalogGlobals();
}

}  // namespace
}  // namespace motrevix::catalog
