#pragma once
// A raw volume over an open file descriptor: a block device or an image file.

#include <string>

#include "platform/unique_fd.h"
#include "platform/volume_types.h"

namespace motrevix {

enum class RawVolumeKind { BlockDevice, ImageFile };

class FdRawVolume final : public IRawVolume {
 public:
  FdRawVolume(UniqueFd fd, RawVolumeKind kind, std::string name);

  std::uint64_t LengthBytes() override;
  bool Lock(std::string& reason) override;
  bool WriteSectors(std::uint64_t firstSector, const std::uint8_t* data, std::size_t sectorCount,
                    std::string& reason) override;
  bool Unlock(std::string& reason) override;

 private:
  UniqueFd m_fd;
  RawVolumeKind m_kind;
  std::string m_strName;
  std::uint64_t m_llImageBytes = 0;  // an image's length when opened: writes stay inside it
  bool m_bAdvisoryLockHeld = false;
};

// Text of an errno value for the reasons shown to the user.
std::string ErrnoText(int error);

}  // namespace motrevix
