#pragma once
// The category buttons of the file list (ALL, Normal, Event, Parking, and the
// hidden Motion and Manual) and Folder Open: their faces and what each command
// does to the listed folder, the played row and the faces, as rules without
// widgets.
//
// Faces are skin picture numbers in the order normal, pressed, focused,
// disabled (0: none). A category shown as selected has its selected face S
// everywhere but disabled (S, S, S, U); shown as unselected it is (U, S, S, U).

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "catalog/card_folders.h"

namespace motrevix::catalog {

using FaceNumbers = std::array<int, 4>;

struct ButtonFaceChange {
  int id = 0;
  FaceNumbers faces{};
  friend bool operator==(const ButtonFaceChange&, const ButtonFaceChange&) = default;
};

// The button of a category (1159, 1152, 1150, 1160, 1151, 1153).
int CategoryButtonId(RecordingCategory category);
// The category of a button; unset for other identifiers.
std::optional<RecordingCategory> CategoryOfButton(int id);

// The faces of the category buttons and Folder Open at start-up.
std::vector<ButtonFaceChange> StartupCategoryFaces();
// ALL, Normal, Event and Parking with `selected` shown as selected and the
// other three as unselected.
std::vector<ButtonFaceChange> FacesWithSelected(RecordingCategory selected);

// What the list shows its rows from.
struct SourceSelection {
  bool cardSelected = false;
  bool folderMode = false;
  QString cardRoot;  // with its trailing separator
};
// The selection as the process-wide values hold it.
SourceSelection CurrentSourceSelection();

struct CategoryCommandPlan {
  // The list is rebuilt from `folder`, which becomes the current folder.
  bool lists = false;
  QString folder;
  // The played row is forgotten (m_nCurrentItem -1).
  bool forgetsPlayedRow = false;
  // Faces given afterwards, in order.
  std::vector<ButtonFaceChange> faces;
};

// A category command. Every category needs a chosen card; without one nothing
// happens, except that ALL after a folder was opened shows ALL and Folder Open
// as unselected. ALL and Parking forget the played row; Normal, Event, Motion
// and Manual keep its index. Motion and Manual leave the faces alone.
CategoryCommandPlan PlanCategoryCommand(RecordingCategory category, const SourceSelection& source);

}  // namespace motrevix::catalog
