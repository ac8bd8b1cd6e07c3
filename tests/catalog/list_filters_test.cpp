// What follows the hour and minute listings, and which folders Folder Open refuses.
#include "catalog/list_filters.h"

#include <gtest/gtest.h>

namespace motrevix::catalog {
namespace {

TEST(ListFilters, TheHourListingPlaysOnWhenTheFollowingRecordingIsInTheChosenHour) {
  const struct {
    const char* followingPath;
    int selectedHour;
    bool listEmpty;
    FilterFollowUp expected;
  } cases[] = {
      {"/media/user/CARD/Normal/N_2024_05_17_08_31_05.AVI", 8, false, FilterFollowUp::PlayFirstRow},
      {"/media/user/CARD/Normal/N_2024_05_17_08_31_05.AVI", 8, true, FilterFollowUp::Stop},
      {"/media/user/CARD/Normal/N_2024_05_17_08_31_05.AVI", 9, false, FilterFollowUp::KeepList},
      // The mount path's own underscores do not shift the fields: counted over the
      // whole path, field 4 would be "2024" here.
      {"/media/my_user/SD_CARD_A/Normal/N_2024_05_17_13_20_00.AVI", 13, false,
       FilterFollowUp::PlayFirstRow},
      {"/media/my_user/SD_CARD_A/Normal/N_2024_05_17_13_20_00.AVI", 2024, false,
       FilterFollowUp::KeepList},
      // No following row reads hour 0.
      {"", 0, true, FilterFollowUp::Stop},
      {"", 0, false, FilterFollowUp::PlayFirstRow},
      {"", 5, false, FilterFollowUp::KeepList},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.followingPath) + " hour " + std::to_string(c.selectedHour));
    EXPECT_EQ(HourFilterFollowUp(QString::fromUtf8(c.followingPath), c.selectedHour, c.listEmpty),
              c.expected);
  }
}

TEST(ListFilters, TheMinuteListingPlaysOnOnlyInTheChosenMinuteOfTheCurrentHour) {
  const QString path = "/media/my_user/SD_CARD/Event/E_2024_05_17_08_33_47.AVI";
  const struct {
    int selectedMinute;
    int currentHour;
    bool listEmpty;
    FilterFollowUp expected;
  } cases[] = {
      {33, 8, false, FilterFollowUp::PlayFirstRow},
      {33, 8, true, FilterFollowUp::Stop},
      {33, 9, false, FilterFollowUp::KeepList},
      {34, 8, false, FilterFollowUp::KeepList},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.selectedMinute) + " in hour " + std::to_string(c.currentHour));
    EXPECT_EQ(MinuteFilterFollowUp(path, c.selectedMinute, c.currentHour, c.listEmpty), c.expected);
  }
}

TEST(ListFilters, FolderOpenRefusesTheRootOfADrive) {
  const std::vector<std::string> mounts = {"/", "/media/user/SD CARD", "/boot/efi"};
  const struct {
    const char* path;
    ChosenFolder expected;
  } cases[] = {
      {"", ChosenFolder::Cancelled},
      {"/", ChosenFolder::DriveRoot},
      {"/media/user/SD CARD", ChosenFolder::DriveRoot},
      {"/media/user/SD CARD/", ChosenFolder::DriveRoot},
      {"/media/user/SD CARD/Event", ChosenFolder::Listable},
      {"/media/user", ChosenFolder::Listable},
      {"/home/user/demo-card", ChosenFolder::Listable},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(ClassifyChosenFolder(QString::fromUtf8(c.path), mounts), c.expected);
  }
}

}  // namespace
}  // namespace motrevix::catalog
