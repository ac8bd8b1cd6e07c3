#include "platform/volume_sources.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/unique_fd.h"
#include "platform/volume_fd_raw.h"

namespace motrevix {
namespace {

VolumeOpenResult Refused(VolumeOpenStatus status, std::string reason, int error = 0) {
  VolumeOpenResult result;
  result.status = status;
  result.reason = std::move(reason);
  result.error = error;
  return result;
}

std::string OpenFailureText(const std::string& name, int error) {
  switch (error) {
    case EROFS:
    case EACCES:
    case EPERM:
      return "write access to " + name + " was refused (" + ErrnoText(error) +
             "); is the card write-protected?";
    case ENOMEDIUM:
      return name + " has no medium";
    default:
      return name + " cannot be opened (" + ErrnoText(error) + ")";
  }
}

struct LengthProbe {
  std::uint64_t bytes = 0;
  bool permissionDenied = false;
};

// Shared read access and a non-zero length: a reader without a card fails here.
LengthProbe ProbeBlockDevice(const std::string& devicePath) {
  UniqueFd probe(::open(devicePath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  LengthProbe result;
  if (!probe.Valid()) {
    result.permissionDenied = errno == EACCES || errno == EPERM;
    return result;
  }
  if (::ioctl(probe.Get(), BLKGETSIZE64, &result.bytes) != 0) result.bytes = 0;
  return result;
}

std::uint64_t ProbeBlockDeviceLength(const std::string& devicePath) {
  return ProbeBlockDevice(devicePath).bytes;
}

}  // namespace

VolumeOpenResult OpenBlockDeviceForWriting(const std::string& devicePath) {
  UniqueFd fd(::open(devicePath.c_str(), O_RDWR | O_EXCL | O_CLOEXEC));
  if (!fd.Valid()) {
    const int error = errno;
    if (error == EBUSY)
      return Refused(VolumeOpenStatus::Busy,
                     devicePath + " is in use (mounted, or opened by another program)", error);
    return Refused(VolumeOpenStatus::Failed, OpenFailureText(devicePath, error), error);
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISBLK(info.st_mode))
    return Refused(VolumeOpenStatus::Failed, devicePath + " is not a block device");
  VolumeOpenResult result;
  result.status = VolumeOpenStatus::Opened;
  result.volume =
      std::make_unique<FdRawVolume>(std::move(fd), RawVolumeKind::BlockDevice, devicePath);
  return result;
}

VolumeOpenResult OpenImageFileForWriting(const std::string& imagePath) {
  UniqueFd fd(::open(imagePath.c_str(), O_RDWR | O_CLOEXEC));
  if (!fd.Valid()) {
    const int error = errno;
    return Refused(VolumeOpenStatus::Failed, OpenFailureText(imagePath, error), error);
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode))
    return Refused(VolumeOpenStatus::Failed, imagePath + " is not a regular file");
  VolumeOpenResult result;
  result.status = VolumeOpenStatus::Opened;
  result.volume = std::make_unique<FdRawVolume>(std::move(fd), RawVolumeKind::ImageFile, imagePath);
  return result;
}

std::vector<VolumeCandidate> RemovableDriveSource::FindCandidates() {
  std::vector<VolumeCandidate> candidates;
  for (const auto& volume : FindRemovableVolumes(m_paths)) {
    const LengthProbe probe = ProbeBlockDevice(volume.devicePath);
    std::uint64_t bytes = probe.bytes;
    // Desktops let users open card devices only through their disk service; a
    // device this user may not read is listed with the size sysfs gives (non-zero:
    // it has a medium), and opened through the service when it is chosen.
    if (probe.permissionDenied) bytes = volume.sizeSectors * kVolumeSectorBytes;
    if (bytes > 0) candidates.push_back({volume.devicePath, bytes, volume.mountPoints});
  }
  return candidates;
}

VolumeOpenResult RemovableDriveSource::OpenForWriting(const VolumeCandidate& candidate) {
  return OpenBlockDeviceForWriting(candidate.name);
}

std::vector<VolumeCandidate> SingleBlockDeviceSource::FindCandidates() {
  const std::uint64_t bytes = ProbeBlockDeviceLength(m_strPath);
  if (bytes == 0) return {};
  return {VolumeCandidate{m_strPath, bytes, {}}};
}

VolumeOpenResult SingleBlockDeviceSource::OpenForWriting(const VolumeCandidate& candidate) {
  return OpenBlockDeviceForWriting(candidate.name);
}

std::vector<VolumeCandidate> ImageFileSource::FindCandidates() {
  std::vector<VolumeCandidate> candidates;
  for (const auto& image : m_images) {
    UniqueFd probe(::open(image.c_str(), O_RDONLY | O_CLOEXEC));
    if (!probe.Valid()) continue;
    struct stat info {};
    if (::fstat(probe.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size <= 0) continue;
    candidates.push_back({image.string(), static_cast<std::uint64_t>(info.st_size), {}});
  }
  return candidates;
}

VolumeOpenResult ImageFileSource::OpenForWriting(const VolumeCandidate& candidate) {
  return OpenImageFileForWriting(candidate.name);
}

}  // namespace motrevix
