#pragma once
// The FAT32 file system this writer lays onto a volume of N 512-byte sectors:
// where each structure goes and the bytes of each fixed sector.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace motrevix::format {

constexpr std::uint32_t kSectorBytes = 512;
constexpr std::uint32_t kReservedSectors = 32;
constexpr std::uint32_t kFatCount = 2;
constexpr std::uint32_t kRootCluster = 2;
constexpr std::uint32_t kFatChunkSectors = 32;
constexpr std::uint32_t kZeroedLeadSectors = 128;
constexpr std::uint64_t kMinimumUsableBytes = 40'000'000;
constexpr std::uint64_t kLargeClusterThresholdBytes = 0x800000000ULL;  // 32 GiB
constexpr std::size_t kMaxLabelBytes = 11;

// Sectors of the reserved area that hold structures; the others stay zero.
constexpr std::uint32_t kBootSector = 0;
constexpr std::uint32_t kFsInfoSector = 1;
constexpr std::uint32_t kSignedEmptySector = 2;
constexpr std::uint32_t kBackupBootSector = 6;
constexpr std::uint32_t kBackupFsInfoSector = 7;
constexpr std::uint32_t kBackupSignedEmptySector = 8;

using Sector = std::array<std::uint8_t, kSectorBytes>;

struct Fat32Layout {
  std::uint32_t volumeSectors = 0;      // N
  std::uint32_t usableSectors = 0;      // U = N - 32, used for the size checks
  std::uint32_t totalSectors = 0;       // TotSec32 = N - 64
  std::uint32_t sectorsPerCluster = 0;  // 64, or 128 above 32 GiB of usable space
  std::uint32_t fatSectors = 0;         // FATSz32

  std::uint32_t FatStart(std::uint32_t fat) const { return kReservedSectors + fat * fatSectors; }
  std::uint32_t FirstDataSector() const { return kReservedSectors + kFatCount * fatSectors; }
  std::uint32_t ChunksPerFat() const {
    return (fatSectors + kFatChunkSectors - 1) / kFatChunkSectors;
  }
  // Clusters of the data area; the root directory takes the first.
  std::uint32_t ClusterCount() const {
    return (totalSectors - FirstDataSector()) / sectorsPerCluster;
  }
};

// The layout for a volume of N sectors, or nothing when its usable space is
// below 40,000,000 bytes.
std::optional<Fat32Layout> ComputeFat32Layout(std::uint32_t volumeSectors);

// Boot sector with its parameter block (written to sectors 0 and 6). The label
// is at most 11 bytes, written as it is and padded with zero bytes.
Sector BuildBootSector(const Fat32Layout& layout, std::string_view label);
// FSInfo sector (sectors 1 and 7). Its free count is that of the empty volume:
// every cluster but the root directory's.
Sector BuildFsInfoSector(const Fat32Layout& layout);
// A zero sector with the 55 AA signature (sectors 2 and 8).
Sector BuildSignedEmptySector();
// The first 12 bytes of each FAT: entries 0, 1 and the root directory's end of chain.
std::array<std::uint8_t, 12> FatHeadEntries();
// The root directory cluster: zero but for the volume label entry, whose name
// is the label padded with spaces.
std::vector<std::uint8_t> BuildRootDirectoryCluster(const Fat32Layout& layout,
                                                    std::string_view label);

}  // namespace motrevix::format
