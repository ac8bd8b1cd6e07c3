#pragma once
// Finds the volumes of removable devices (card readers, USB sticks, SD slots)
// through sysfs and the mount table.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace motrevix {

struct SystemPaths {
  std::filesystem::path sysfsRoot = "/sys";
  std::filesystem::path mountInfo = "/proc/self/mountinfo";
  std::filesystem::path devRoot = "/dev";
};

struct RemovableVolume {
  std::string kernelName;  // "sdb1"
  std::string devicePath;  // "/dev/sdb1"
  std::string diskName;    // "sdb": the disk it belongs to (itself for a whole disk)
  unsigned major = 0;
  unsigned minor = 0;
  std::uint64_t sizeSectors = 0;  // from sysfs, 512-byte units
  bool isPartition = false;
  bool readOnly = false;
  std::vector<std::string> mountPoints;  // where it is mounted now
};

// The volumes that can hold a card's file system: the partitions of every
// removable disk that has a medium, or the disk itself when it has no
// partitions. A disk counts as removable when sysfs says so, or when it is an SD
// card in an MMC slot (the MMC driver never marks its disks removable; eMMC
// chips, type "MMC", are left out). Optical drives are left out too. Ordered by
// disk name, then partition number.
std::vector<RemovableVolume> FindRemovableVolumes(const SystemPaths& paths = {});

// The removable volume with the given device numbers, if it is one.
const RemovableVolume* FindVolumeByDevice(const std::vector<RemovableVolume>& volumes,
                                          unsigned major, unsigned minor);

}  // namespace motrevix
