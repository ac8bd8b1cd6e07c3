#pragma once
// The files a thumbnail page pictures: every file directly in the folder, in the
// directory's own order (no extension test: what is not a recording gets an empty
// cell), each taking the next index; sub-folders take none.

#include <QString>
#include <array>

#include "catalog/thumbnail_geometry.h"

namespace motrevix::catalog {

struct ThumbnailPageFiles {
  // Paths of the cells 0 .. count - 1; the others are empty.
  std::array<QString, kPageCells> paths;
  int count = 0;
};

// The page whose first file has index `first`; an unreadable folder, or a page past
// the last file, has no files.
ThumbnailPageFiles FilesOfPage(const QString& folder, int first);

}  // namespace motrevix::catalog
