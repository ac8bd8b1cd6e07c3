#include "catalog/category_buttons.h"

#include "app/control_ids.h"
#include "catalog/card_selection.h"

namespace motrevix::catalog {
namespace {

struct CategoryButton {
  RecordingCategory category;
  int id;
  int unselected;
  int selected;
  FaceNumbers startup;
};

constexpr CategoryButton kCategoryButtons[] = {
    {RecordingCategory::All, kIdCategoryAll, 323, 324, {323, 324, 323, 323}},
    {RecordingCategory::Normal, kIdCategoryNormal, 297, 298, {297, 298, 297, 0}},
    {RecordingCategory::Event, kIdCategoryEvent, 295, 296, {295, 296, 295, 0}},
    {RecordingCategory::Parking, kIdCategoryParking, 325, 326, {325, 326, 325, 325}},
    {RecordingCategory::Motion, kIdCategoryMotion, 299, 300, {299, 300, 299, 0}},
    {RecordingCategory::Manual, kIdCategoryManual, 301, 302, {301, 302, 301, 0}},
};

constexpr int kFolderOpenUnselected = 330;
constexpr int kFolderOpenSelected = 331;

// The four categories whose buttons the standard layouts show.
constexpr RecordingCategory kShownCategories[] = {RecordingCategory::All, RecordingCategory::Normal,
                                                  RecordingCategory::Event,
                                                  RecordingCategory::Parking};

const CategoryButton& ButtonOf(RecordingCategory category) {
  for (const CategoryButton& button : kCategoryButtons)
    if (button.category == category) return button;
  return kCategoryButtons[0];
}

FaceNumbers Selected(int unselected, int selected) {
  return {selected, selected, selected, unselected};
}
FaceNumbers Unselected(int unselected, int selected) {
  return {unselected, selected, selected, unselected};
}

}  // namespace

int CategoryButtonId(RecordingCategory category) { return ButtonOf(category).id; }

std::optional<RecordingCategory> CategoryOfButton(int id) {
  for (const CategoryButton& button : kCategoryButtons)
    if (button.id == id) return button.category;
  return std::nullopt;
}

std::vector<ButtonFaceChange> StartupCategoryFaces() {
  std::vector<ButtonFaceChange> faces;
  for (const CategoryButton& button : kCategoryButtons)
    faces.push_back({button.id, button.startup});
  faces.push_back(
      {kIdFolderOpen, {kFolderOpenUnselected, kFolderOpenSelected, kFolderOpenUnselected, 0}});
  return faces;
}

std::vector<ButtonFaceChange> FacesWithSelected(RecordingCategory selected) {
  std::vector<ButtonFaceChange> faces;
  for (RecordingCategory category : kShownCategories) {
    const CategoryButton& button = ButtonOf(category);
    faces.push_back({button.id, category == selected
                                    ? Selected(button.unselected, button.selected)
                                    : Unselected(button.unselected, button.selected)});
  }
  return faces;
}

SourceSelection CurrentSourceSelection() {
  return {g_bCardSelected == 1, g_bFolderMode == 1, CardRootText()};
}

CategoryCommandPlan PlanCategoryCommand(RecordingCategory category, const SourceSelection& source) {
  CategoryCommandPlan plan;
  if (!source.cardSelected) {
    if (category == RecordingCategory::All && source.folderMode) {
      const CategoryButton& all = ButtonOf(RecordingCategory::All);
      plan.faces = {{all.id, Unselected(all.unselected, all.selected)},
                    {kIdFolderOpen, Unselected(kFolderOpenUnselected, kFolderOpenSelected)}};
    }
    return plan;
  }
  plan.lists = true;
  plan.folder = CategoryFolder(source.cardRoot, category);
  plan.forgetsPlayedRow =
      category == RecordingCategory::All || category == RecordingCategory::Parking;
  if (category != RecordingCategory::Motion && category != RecordingCategory::Manual)
    plan.faces = FacesWithSelected(category);
  return plan;
}

}  // namespace motrevix::catalog
