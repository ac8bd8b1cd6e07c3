#include "catalog/card_folders.h"

#include <gtest/gtest.h>

namespace motrevix::catalog {
namespace {

TEST(CardFolders, CategoryFolderIsTheCardRootFollowedByItsName) {
  const struct {
    const char* mountPoint;
    RecordingCategory category;
    const char* expected;
  } cases[] = {
      {"/media/user/CARD/", RecordingCategory::Normal, "/media/user/CARD/Normal"},
      {"/media/user/CARD/", RecordingCategory::Event, "/media/user/CARD/Event"},
      {"/media/user/CARD/", RecordingCategory::Parking, "/media/user/CARD/PARK"},
      {"/media/user/CARD/", RecordingCategory::Motion, "/media/user/CARD/Motion"},
      {"/media/user/CARD/", RecordingCategory::Manual, "/media/user/CARD/Manual"},
      {"/media/user/CARD/", RecordingCategory::All, "/media/user/CARD/"},
      // A mount point without its trailing separator still gives a folder below it.
      {"/media/user/CARD", RecordingCategory::Event, "/media/user/CARD/Event"},
      {"/media/user/CARD//", RecordingCategory::All, "/media/user/CARD/"},
      {"/", RecordingCategory::Parking, "/PARK"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mountPoint);
    EXPECT_EQ(CategoryFolder(QString::fromUtf8(c.mountPoint), c.category).toStdString(),
              c.expected);
  }
}

}  // namespace
}  // namespace motrevix::catalog
