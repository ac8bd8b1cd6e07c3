#include "view/snapshot_names.h"

namespace motrevix {

std::string SnapshotBase(const std::string& chosenPath) {
  const std::size_t slash = chosenPath.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  const std::size_t dot = chosenPath.rfind('.');
  if (dot == std::string::npos || dot <= nameStart) return chosenPath;
  return chosenPath.substr(0, dot);
}

SnapshotFiles SnapshotFileNames(const std::string& chosenPath) {
  const std::string base = SnapshotBase(chosenPath);
  return {base + "_front.jpg", base + "_rear.jpg"};
}

}  // namespace motrevix
