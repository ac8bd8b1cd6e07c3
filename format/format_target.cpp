#include "format/format_target.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>

namespace motrevix::format {

FormatTargetCheck CheckFormatTarget(const std::string& devicePath, const SystemPaths& paths) {
  FormatTargetCheck check;
  struct stat info {};
  if (::stat(devicePath.c_str(), &info) != 0) {
    check.refusal = devicePath + " does not exist (" + std::strerror(errno) + ")";
    return check;
  }
  if (!S_ISBLK(info.st_mode)) {
    check.refusal = devicePath + " is not a block device";
    return check;
  }
  const auto volumes = FindRemovableVolumes(paths);
  const RemovableVolume* volume =
      FindVolumeByDevice(volumes, major(info.st_rdev), minor(info.st_rdev));
  if (volume == nullptr) {
    check.refusal = "refusing " + devicePath +
                    ": it is not a volume of a removable device with a medium (see "
                    "'motrevix-cli format probe')";
    return check;
  }
  if (!volume->mountPoints.empty()) {
    check.refusal = "refusing " + devicePath + ": it is mounted on " + volume->mountPoints.front() +
                    "; unmount it first";
    return check;
  }
  check.allowed = true;
  check.volume = *volume;
  check.volume.devicePath = devicePath;
  return check;
}

bool ConfirmFormat(const RemovableVolume& volume, const std::string& label, std::istream& in,
                   std::ostream& out) {
  const std::uint64_t megabytes = volume.sizeSectors / 2048;
  out << "Format " << volume.devicePath << " (" << megabytes << " MiB) as FAT32 with label '"
      << label << "'? Everything on it will be lost. Type 'yes' to continue: " << std::flush;
  std::string answer;
  if (!std::getline(in, answer)) answer.clear();
  return answer == "yes" || answer == "y";
}

}  // namespace motrevix::format
