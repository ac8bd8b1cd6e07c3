// The files a snapshot writes for the name chosen in the save chooser.
#include "view/snapshot_names.h"

#include <gtest/gtest.h>

namespace motrevix {
namespace {

TEST(SnapshotNames, BaseIsTheChosenPathWithoutTheSuffixOfItsName) {
  const struct {
    const char* chosen;
    const char* front;
  } cases[] = {
      {"/cards/Motrevix.jpg", "/cards/Motrevix_front.jpg"},
      {"/cards/trip", "/cards/trip_front.jpg"},
      // The whole suffix goes, however long: not always the last four characters.
      {"/cards/shot.jpeg", "/cards/shot_front.jpg"},
      {"/dir/a.j", "/dir/a_front.jpg"},
      {"/cards/a.b.jpg", "/cards/a.b_front.jpg"},
      {"/cards/trip.", "/cards/trip_front.jpg"},
      // Dots of folders are no suffix of the name.
      {"/my.shots/trip", "/my.shots/trip_front.jpg"},
      {"/my.shots/trip.jpg", "/my.shots/trip_front.jpg"},
      // A leading dot starts a name, not a suffix.
      {"/cards/.jpg", "/cards/.jpg_front.jpg"},
      {"trip.jpg", "trip_front.jpg"},
  };
  for (const auto& c : cases) {
    const SnapshotFiles files = SnapshotFileNames(c.chosen);
    EXPECT_EQ(files.front, c.front) << c.chosen;
    const std::string front = c.front;
    EXPECT_EQ(files.rear, front.substr(0, front.size() - 10) + "_rear.jpg") << c.chosen;
  }
}

}  // namespace
}  // namespace motrevix
