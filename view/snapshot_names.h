#pragma once
// The files a snapshot writes for the name the user chose: the chosen path P
// itself is never written; its base B (P without the suffix of its name part)
// gets "_front.jpg" and, with a rear picture, "_rear.jpg".

#include <string>

namespace motrevix {

// The save chooser's proposal and its one filter entry.
inline constexpr const char* kSnapshotInitialName = "Motrevix.jpg";
inline constexpr const char* kSnapshotFilter = "jpeg file (*.jpg)";

struct SnapshotFiles {
  std::string front;
  std::string rear;
  bool operator==(const SnapshotFiles&) const = default;
};

// P without the suffix of its last path component: everything from that
// component's last dot on, when the dot is not the component's first character
// (".jpg" alone is a name, not a suffix). Folders' dots are left alone.
std::string SnapshotBase(const std::string& chosenPath);

SnapshotFiles SnapshotFileNames(const std::string& chosenPath);

}  // namespace motrevix
