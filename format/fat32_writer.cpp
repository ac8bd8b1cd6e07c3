#include "format/fat32_writer.h"

#include <algorithm>
#include <vector>

#include "format/fat32_layout.h"

namespace motrevix::format {
namespace {

bool WriteOne(IRawVolume& volume, std::uint32_t sector, const Sector& data, std::string& reason) {
  return volume.WriteSectors(sector, data.data(), 1, reason);
}

bool ZeroLeadSectors(IRawVolume& volume, std::string& reason) {
  const Sector zero{};
  for (std::uint32_t sector = 0; sector < kZeroedLeadSectors; ++sector)
    if (!WriteOne(volume, sector, zero, reason)) return false;
  return true;
}

bool WriteReservedArea(IRawVolume& volume, const Fat32Layout& layout, std::string_view label,
                       std::string& reason) {
  const Sector boot = BuildBootSector(layout, label);
  const Sector fsInfo = BuildFsInfoSector(layout);
  const Sector signedEmpty = BuildSignedEmptySector();
  return WriteOne(volume, kBootSector, boot, reason) &&
         WriteOne(volume, kBackupBootSector, boot, reason) &&
         WriteOne(volume, kFsInfoSector, fsInfo, reason) &&
         WriteOne(volume, kBackupFsInfoSector, fsInfo, reason) &&
         WriteOne(volume, kSignedEmptySector, signedEmpty, reason) &&
         WriteOne(volume, kBackupSignedEmptySector, signedEmpty, reason);
}

// Each FAT is written in whole 32-sector chunks; the last one may run past the
// FAT's end, into what the next write (second FAT, root directory) covers.
bool WriteFats(IRawVolume& volume, const Fat32Layout& layout, std::string& reason) {
  std::vector<std::uint8_t> chunk(std::size_t{kFatChunkSectors} * kSectorBytes, 0);
  const auto head = FatHeadEntries();
  for (std::uint32_t fat = 0; fat < kFatCount; ++fat) {
    const std::uint32_t start = layout.FatStart(fat);
    std::copy(head.begin(), head.end(), chunk.begin());
    if (!volume.WriteSectors(start, chunk.data(), kFatChunkSectors, reason)) return false;
    std::fill_n(chunk.begin(), head.size(), 0);
    for (std::uint32_t index = 1; index < layout.ChunksPerFat(); ++index)
      if (!volume.WriteSectors(std::uint64_t{start} + index * kFatChunkSectors, chunk.data(),
                               kFatChunkSectors, reason))
        return false;
  }
  return true;
}

}  // namespace

bool WriteFat32(IRawVolume& volume, std::uint32_t volumeSectors, std::string_view label,
                std::string& reason) {
  // Everything is checked before the first write, so a refused volume keeps its contents.
  const auto layout = ComputeFat32Layout(volumeSectors);
  if (!layout) {
    reason = "the volume is too small for FAT32: it needs at least " +
             std::to_string(kMinimumUsableBytes) + " bytes of usable space";
    return false;
  }
  if (!ZeroLeadSectors(volume, reason)) return false;
  if (!WriteReservedArea(volume, *layout, label, reason)) return false;
  if (!WriteFats(volume, *layout, reason)) return false;
  const auto root = BuildRootDirectoryCluster(*layout, label);
  return volume.WriteSectors(layout->FirstDataSector(), root.data(), layout->sectorsPerCluster,
                             reason);
}

}  // namespace motrevix::format
