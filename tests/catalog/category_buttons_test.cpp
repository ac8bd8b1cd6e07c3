// What each category command does with and without a chosen card, and the faces
// it leaves.
#include "catalog/category_buttons.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

#include "app/control_ids.h"

namespace motrevix::catalog {
namespace {

using Faces = std::map<int, FaceNumbers>;

Faces AsMap(const std::vector<ButtonFaceChange>& changes) {
  Faces faces;
  for (const ButtonFaceChange& change : changes) faces[change.id] = change.faces;
  return faces;
}

// The four shown buttons with one of them selected: (S, S, S, U) for it, (U, S,
// S, U) for the others.
const Faces kAllSelected = {{kIdCategoryAll, {324, 324, 324, 323}},
                            {kIdCategoryNormal, {297, 298, 298, 297}},
                            {kIdCategoryEvent, {295, 296, 296, 295}},
                            {kIdCategoryParking, {325, 326, 326, 325}}};
const Faces kNormalSelected = {{kIdCategoryAll, {323, 324, 324, 323}},
                               {kIdCategoryNormal, {298, 298, 298, 297}},
                               {kIdCategoryEvent, {295, 296, 296, 295}},
                               {kIdCategoryParking, {325, 326, 326, 325}}};
const Faces kEventSelected = {{kIdCategoryAll, {323, 324, 324, 323}},
                              {kIdCategoryNormal, {297, 298, 298, 297}},
                              {kIdCategoryEvent, {296, 296, 296, 295}},
                              {kIdCategoryParking, {325, 326, 326, 325}}};
const Faces kParkingSelected = {{kIdCategoryAll, {323, 324, 324, 323}},
                                {kIdCategoryNormal, {297, 298, 298, 297}},
                                {kIdCategoryEvent, {295, 296, 296, 295}},
                                {kIdCategoryParking, {326, 326, 326, 325}}};

TEST(CategoryCommands, EachCategoryListsItsFolderOfTheChosenCardOnly) {
  const SourceSelection card{true, false, "/media/user/SD_CARD/"};
  const SourceSelection none{false, false, ""};
  const SourceSelection folder{false, true, "/media/user/SD_CARD/"};
  const struct {
    const char* name;
    RecordingCategory category;
    SourceSelection source;
    std::optional<std::string> folder;  // unset: nothing listed
    bool forgetsPlayedRow;
    Faces faces;
  } cases[] = {
      {"ALL", RecordingCategory::All, card, "/media/user/SD_CARD/", true, kAllSelected},
      {"Normal", RecordingCategory::Normal, card, "/media/user/SD_CARD/Normal", false,
       kNormalSelected},
      {"Event", RecordingCategory::Event, card, "/media/user/SD_CARD/Event", false, kEventSelected},
      {"Parking", RecordingCategory::Parking, card, "/media/user/SD_CARD/PARK", true,
       kParkingSelected},
      {"Motion", RecordingCategory::Motion, card, "/media/user/SD_CARD/Motion", false, {}},
      {"Manual", RecordingCategory::Manual, card, "/media/user/SD_CARD/Manual", false, {}},
      // No card chosen yet: nothing at all, Motion and Manual included.
      {"ALL, no card", RecordingCategory::All, none, std::nullopt, false, {}},
      {"Event, no card", RecordingCategory::Event, none, std::nullopt, false, {}},
      {"Motion, no card", RecordingCategory::Motion, none, std::nullopt, false, {}},
      {"Manual, no card", RecordingCategory::Manual, none, std::nullopt, false, {}},
      // A folder is open: ALL only shows itself and Folder Open unselected.
      {"ALL, folder",
       RecordingCategory::All,
       folder,
       std::nullopt,
       false,
       {{kIdCategoryAll, {323, 324, 324, 323}}, {kIdFolderOpen, {330, 331, 331, 330}}}},
      {"Normal, folder", RecordingCategory::Normal, folder, std::nullopt, false, {}},
      {"Parking, folder", RecordingCategory::Parking, folder, std::nullopt, false, {}},
      {"Manual, folder", RecordingCategory::Manual, folder, std::nullopt, false, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CategoryCommandPlan plan = PlanCategoryCommand(c.category, c.source);
    EXPECT_EQ(plan.lists, c.folder.has_value());
    if (c.folder) {
      EXPECT_EQ(plan.folder.toStdString(), *c.folder);
    }
    EXPECT_EQ(plan.forgetsPlayedRow, c.forgetsPlayedRow);
    EXPECT_EQ(AsMap(plan.faces), c.faces);
  }
}

TEST(CategoryCommands, ButtonsAndCategoriesMapBothWays) {
  for (RecordingCategory category : kRecordingCategories)
    EXPECT_EQ(CategoryOfButton(CategoryButtonId(category)), category);
  EXPECT_FALSE(CategoryOfButton(kIdFolderOpen).has_value());
  EXPECT_EQ(CategoryButtonId(RecordingCategory::Parking), kIdCategoryParking);
}

}  // namespace
}  // namespace motrevix::catalog
