#include "platform/volume_fd_raw.h"

#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace motrevix {

std::string ErrnoText(int error) { return std::strerror(error); }

FdRawVolume::FdRawVolume(UniqueFd fd, RawVolumeKind kind, std::string name)
    : m_fd(std::move(fd)), m_kind(kind), m_strName(std::move(name)) {
  if (m_kind == RawVolumeKind::ImageFile) m_llImageBytes = LengthBytes();
}

std::uint64_t FdRawVolume::LengthBytes() {
  if (m_kind == RawVolumeKind::BlockDevice) {
    std::uint64_t bytes = 0;
    if (::ioctl(m_fd.Get(), BLKGETSIZE64, &bytes) != 0) return 0;
    return bytes;
  }
  struct stat info {};
  if (::fstat(m_fd.Get(), &info) != 0 || info.st_size < 0) return 0;
  return static_cast<std::uint64_t>(info.st_size);
}

bool FdRawVolume::Lock(std::string& reason) {
  const bool locked = ::flock(m_fd.Get(), LOCK_EX | LOCK_NB) == 0;
  const int error = errno;
  if (m_kind == RawVolumeKind::BlockDevice) {
    // The exclusive open already keeps mounts and other exclusive users off the
    // device; the advisory lock only asks udev not to probe it while it is
    // written, so a short-lived probe holding it is no reason to refuse.
    m_bAdvisoryLockHeld = locked;
    return true;
  }
  if (!locked) {
    reason = m_strName + " is in use by another program (" + ErrnoText(error) + ")";
    return false;
  }
  m_bAdvisoryLockHeld = true;
  return true;
}

bool FdRawVolume::WriteSectors(std::uint64_t firstSector, const std::uint8_t* data,
                               std::size_t sectorCount, std::string& reason) {
  const std::size_t total = sectorCount * kVolumeSectorBytes;
  // A device refuses writes past its end; an image file would grow instead, so
  // it is held to the length it had when it was opened.
  if (m_kind == RawVolumeKind::ImageFile &&
      firstSector * kVolumeSectorBytes + total > m_llImageBytes) {
    reason = "writing sector " + std::to_string(firstSector) + " of " + m_strName +
             " failed (past the end of the volume)";
    return false;
  }
  std::size_t done = 0;
  while (done < total) {
    const off_t offset = static_cast<off_t>(firstSector * kVolumeSectorBytes + done);
    const ssize_t written = ::pwrite(m_fd.Get(), data + done, total - done, offset);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      reason = "writing sector " + std::to_string(firstSector) + " of " + m_strName + " failed (" +
               (written < 0 ? ErrnoText(errno) : std::string("nothing written")) + ")";
      return false;
    }
    done += static_cast<std::size_t>(written);
  }
  return true;
}

bool FdRawVolume::Unlock(std::string& reason) {
  bool ok = true;
  if (::fsync(m_fd.Get()) != 0) {
    reason = "flushing " + m_strName + " failed (" + ErrnoText(errno) + ")";
    ok = false;
  }
  if (m_bAdvisoryLockHeld) ::flock(m_fd.Get(), LOCK_UN);
  m_bAdvisoryLockHeld = false;
  return ok;
}

}  // namespace motrevix
