#include "format/fat32_layout.h"

#include <algorithm>
#include <cstring>

namespace motrevix::format {
namespace {

void Put16(std::uint8_t* at, std::uint32_t value) {
  at[0] = static_cast<std::uint8_t>(value);
  at[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t value) {
  Put16(at, value);
  Put16(at + 2, value >> 16);
}

void PutText(std::uint8_t* at, std::string_view text) { std::memcpy(at, text.data(), text.size()); }

constexpr std::uint32_t kVolumeSerial = 0x6A4B696D;
constexpr std::uint8_t kMediaFixedDisk = 0xF8;
constexpr std::uint8_t kAttributeVolumeLabel = 0x08;

}  // namespace

std::optional<Fat32Layout> ComputeFat32Layout(std::uint32_t volumeSectors) {
  // A volume of fewer than 32 sectors has no usable space at all (N - 32 would
  // wrap around in 32 bits and pass the size check).
  if (volumeSectors < kReservedSectors) return std::nullopt;
  Fat32Layout layout;
  layout.volumeSectors = volumeSectors;
  layout.usableSectors = volumeSectors - kReservedSectors;
  const std::uint64_t usableBytes = std::uint64_t{layout.usableSectors} * kSectorBytes;
  if (usableBytes < kMinimumUsableBytes) return std::nullopt;
  layout.totalSectors = volumeSectors - 2 * kReservedSectors;
  layout.sectorsPerCluster = usableBytes <= kLargeClusterThresholdBytes ? 64 : 128;
  // FAT entries are 4 bytes, 128 to a sector: ceil((TotSec32 - 32) / (128 * SecPerClus + 1)).
  const std::uint64_t divisor = 128ULL * layout.sectorsPerCluster + 1;
  layout.fatSectors =
      static_cast<std::uint32_t>((std::uint64_t{layout.totalSectors} - 33 + divisor) / divisor);
  return layout;
}

Sector BuildBootSector(const Fat32Layout& layout, std::string_view label) {
  Sector s{};
  s[0] = 0xEB;
  s[1] = 0x3C;
  s[2] = 0x90;
  PutText(&s[3], "MSWIN4.1");
  Put16(&s[11], kSectorBytes);
  s[13] = static_cast<std::uint8_t>(layout.sectorsPerCluster);
  Put16(&s[14], kReservedSectors);
  s[16] = kFatCount;
  Put16(&s[17], 0);  // root entries: FAT12/16 only
  Put16(&s[19], 0);  // 16-bit total sectors
  s[21] = kMediaFixedDisk;
  Put16(&s[22], 0);    // 16-bit sectors per FAT
  Put16(&s[24], 512);  // sectors per track
  Put16(&s[26], 16);   // heads
  Put32(&s[28], 32);   // hidden sectors
  Put32(&s[32], layout.totalSectors);
  Put32(&s[36], layout.fatSectors);
  Put16(&s[40], 0);  // extended flags: FATs mirrored
  Put16(&s[42], 0);  // version
  Put32(&s[44], kRootCluster);
  Put16(&s[48], kFsInfoSector);
  Put16(&s[50], kBackupBootSector);
  s[64] = 0x81;  // drive number
  s[66] = 0x29;  // extended boot signature
  Put32(&s[67], kVolumeSerial);
  PutText(&s[71], label.substr(0, kMaxLabelBytes));  // the rest of the 11 bytes stays zero
  PutText(&s[82], "FAT32   ");
  s[510] = 0x55;
  s[511] = 0xAA;
  return s;
}

Sector BuildFsInfoSector(const Fat32Layout& layout) {
  Sector s{};
  Put32(&s[0], 0x41615252);
  Put32(&s[484], 0x61417272);
  // A count of 0 would declare the empty volume full: readers that trust the
  // hint (mtools among them) then refuse to write any file.
  Put32(&s[488], layout.ClusterCount() - 1);
  Put32(&s[492], 3);  // next free cluster hint
  Put32(&s[508], 0xAA550000);
  return s;
}

Sector BuildSignedEmptySector() {
  Sector s{};
  s[510] = 0x55;
  s[511] = 0xAA;
  return s;
}

std::array<std::uint8_t, 12> FatHeadEntries() {
  return {0xF8, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x0F};
}

std::vector<std::uint8_t> BuildRootDirectoryCluster(const Fat32Layout& layout,
                                                    std::string_view label) {
  std::vector<std::uint8_t> cluster(std::size_t{layout.sectorsPerCluster} * kSectorBytes, 0);
  std::fill_n(cluster.begin(), kMaxLabelBytes, ' ');
  PutText(cluster.data(), label.substr(0, kMaxLabelBytes));
  cluster[11] = kAttributeVolumeLabel;
  return cluster;
}

}  // namespace motrevix::format
