#pragma once
// The cards the drive dialog offers: one entry per mount point of a removable
// volume (card reader, SD slot, USB stick). A reader without a card, or a card
// that is not mounted, has no file system to list and is not offered; fixed
// disks and optical drives never are.

#include <QString>
#include <vector>

#include "platform/volume_discovery.h"

namespace motrevix::catalog {

// The entries ("/media/user/CARD/ SD CARD"), sorted by their text.
std::vector<QString> DriveEntries(const SystemPaths& paths = {});

}  // namespace motrevix::catalog
