#pragma once
// Writes an empty FAT32 file system onto an open, locked volume, sector by sector.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/volume_types.h"

namespace motrevix::format {

// Checks the size, zeroes sectors 0 to 127, then writes the boot sectors, FSInfo
// sectors, signed empty sectors, both FATs and the root directory cluster, and
// nothing else. Stops with false and a reason at the first failed write, or when
// the volume is too small (before writing anything). Does not unlock the volume.
bool WriteFat32(IRawVolume& volume, std::uint32_t volumeSectors, std::string_view label,
                std::string& reason);

}  // namespace motrevix::format
