#include "catalog/drive_entries.h"

#include <QFile>
#include <algorithm>

#include "catalog/card_selection.h"

namespace motrevix::catalog {

std::vector<QString> DriveEntries(const SystemPaths& paths) {
  std::vector<QString> entries;
  for (const RemovableVolume& volume : FindRemovableVolumes(paths))
    for (const std::string& mountPoint : volume.mountPoints)
      entries.push_back(DriveEntryText(QFile::decodeName(QByteArray::fromStdString(mountPoint))));
  std::sort(entries.begin(), entries.end());
  entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
  return entries;
}

}  // namespace motrevix::catalog
