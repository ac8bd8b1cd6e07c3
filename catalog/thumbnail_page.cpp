#include "catalog/thumbnail_page.h"

#include "catalog/directory_stream.h"
#include "catalog/file_name_text.h"
#include "catalog/folder_path.h"

namespace motrevix::catalog {

ThumbnailPageFiles FilesOfPage(const QString& folder, int first) {
  ThumbnailPageFiles page;
  if (folder.isEmpty() || first < 0) return page;
  DirectoryStream dir(folder);
  if (!dir.IsOpen()) return page;
  const QString normalised = NormalisedFolder(folder);
  int index = 0;
  while (const dirent* entry = dir.Next()) {
    if (dir.KindOf(*entry) == EntryKind::Directory) continue;
    if (index >= first + kPageCells) break;
    if (index >= first)
      page.paths[page.count++] = PathInFolder(normalised, FileNameText(entry->d_name));
    ++index;
  }
  return page;
}

}  // namespace motrevix::catalog
