#include "platform/volume_discovery.h"

#include <algorithm>
#include <fstream>
#include <system_error>
#include <tuple>

#include "platform/volume_mounts.h"

namespace motrevix {
namespace fs = std::filesystem;

namespace {

std::string ReadFirstLine(const fs::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
    line.pop_back();
  return line;
}

std::uint64_t ReadNumber(const fs::path& file) {
  try {
    return std::stoull(ReadFirstLine(file));
  } catch (const std::exception&) {
    return 0;
  }
}

bool ReadDeviceNumbers(const fs::path& dir, unsigned& major, unsigned& minor) {
  const std::string text = ReadFirstLine(dir / "dev");
  const auto colon = text.find(':');
  if (colon == std::string::npos) return false;
  try {
    major = static_cast<unsigned>(std::stoul(text.substr(0, colon)));
    minor = static_cast<unsigned>(std::stoul(text.substr(colon + 1)));
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

// The device node: udev's DEVNAME when the uevent file names it, else the kernel name.
std::string DevicePath(const fs::path& dir, const std::string& kernelName,
                       const fs::path& devRoot) {
  std::ifstream in(dir / "uevent");
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("DEVNAME=", 0) == 0) return (devRoot / line.substr(8)).string();
  }
  return (devRoot / kernelName).string();
}

// SCSI peripheral types of optical drives (write-once, CD/DVD): sysfs marks them
// removable, but their discs are no cards to format.
bool IsOpticalDrive(const std::string& scsiType) { return scsiType == "4" || scsiType == "5"; }

bool IsRemovableDisk(const fs::path& diskDir) {
  const std::string deviceType = ReadFirstLine(diskDir / "device" / "type");
  if (ReadFirstLine(diskDir / "removable") == "1") return !IsOpticalDrive(deviceType);
  return deviceType == "SD";
}

bool FillVolume(const fs::path& dir, const std::string& diskName, bool isPartition,
                const SystemPaths& paths, RemovableVolume& volume) {
  volume.kernelName = dir.filename().string();
  volume.diskName = diskName;
  volume.isPartition = isPartition;
  volume.devicePath = DevicePath(dir, volume.kernelName, paths.devRoot);
  volume.sizeSectors = ReadNumber(dir / "size");
  volume.readOnly = ReadFirstLine(dir / "ro") == "1";
  return ReadDeviceNumbers(dir, volume.major, volume.minor) && volume.sizeSectors > 0;
}

void AddMountPoints(RemovableVolume& volume, const std::vector<MountEntry>& table) {
  for (const auto& entry : table) {
    if ((entry.major == volume.major && entry.minor == volume.minor) ||
        entry.source == volume.devicePath)
      volume.mountPoints.push_back(entry.mountPoint);
  }
}

}  // namespace

std::vector<RemovableVolume> FindRemovableVolumes(const SystemPaths& paths) {
  std::vector<RemovableVolume> found;
  const std::vector<MountEntry> table = ReadMountInfo(paths.mountInfo);
  std::error_code error;
  std::vector<fs::path> disks;
  for (const auto& entry : fs::directory_iterator(paths.sysfsRoot / "block", error))
    disks.push_back(entry.path());
  std::sort(disks.begin(), disks.end());

  for (const auto& diskDir : disks) {
    if (!IsRemovableDisk(diskDir)) continue;
    const std::string diskName = diskDir.filename().string();
    std::vector<RemovableVolume> partitions;
    std::error_code partitionError;
    for (const auto& entry : fs::directory_iterator(diskDir, partitionError)) {
      if (!fs::exists(entry.path() / "partition")) continue;
      RemovableVolume partition;
      if (!FillVolume(entry.path(), diskName, true, paths, partition)) continue;
      AddMountPoints(partition, table);
      partitions.push_back(std::move(partition));
    }
    std::sort(partitions.begin(), partitions.end(), [&](const auto& a, const auto& b) {
      return std::make_tuple(ReadNumber(diskDir / a.kernelName / "partition"), a.kernelName) <
             std::make_tuple(ReadNumber(diskDir / b.kernelName / "partition"), b.kernelName);
    });
    if (!partitions.empty()) {
      for (auto& partition : partitions) found.push_back(std::move(partition));
      continue;
    }
    RemovableVolume disk;
    if (!FillVolume(diskDir, diskName, false, paths, disk)) continue;  // no medium
    AddMountPoints(disk, table);
    found.push_back(std::move(disk));
  }
  return found;
}

const RemovableVolume* FindVolumeByDevice(const std::vector<RemovableVolume>& volumes,
                                          unsigned major, unsigned minor) {
  for (const auto& volume : volumes)
    if (volume.major == major && volume.minor == minor) return &volume;
  return nullptr;
}

}  // namespace motrevix
