#pragma once
// The volume abstraction the FAT32 writer works on: a block device of a
// removable card or a disk-image file, opened for raw sector writes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace motrevix {

// Sector size of every volume the writer handles; it is fixed, not queried.
constexpr std::uint32_t kVolumeSectorBytes = 512;

// A volume open for raw writing. Sector numbers count from the start of the
// volume (the partition, not the whole disk).
class IRawVolume {
 public:
  virtual ~IRawVolume() = default;
  // Length in bytes; 0 when there is no medium or the length cannot be read.
  virtual std::uint64_t LengthBytes() = 0;
  // Takes the exclusive hold that keeps other programs off the volume while it
  // is written. False, with a reason, when it is refused.
  virtual bool Lock(std::string& reason) = 0;
  // Writes sectorCount whole sectors from data at firstSector. True only when
  // every byte was written.
  virtual bool WriteSectors(std::uint64_t firstSector, const std::uint8_t* data,
                            std::size_t sectorCount, std::string& reason) = 0;
  // Flushes what was written to the medium and releases the hold taken by Lock.
  // False, with a reason, when the flush failed (the data may not be on the medium).
  virtual bool Unlock(std::string& reason) = 0;
};

enum class VolumeOpenStatus {
  Opened,
  Busy,    // in use right now (mounted, opened exclusively elsewhere): worth retrying
  Failed,  // any other failure: no such device, write access refused, ...
};

struct VolumeOpenResult {
  VolumeOpenStatus status = VolumeOpenStatus::Failed;
  std::unique_ptr<IRawVolume> volume;  // set when Opened
  std::string reason;                  // set otherwise
  int error = 0;                       // errno of a refused open, when there was one
};

// One volume that can be formatted.
struct VolumeCandidate {
  std::string name;                      // device path ("/dev/sdb1") or image path
  std::uint64_t lengthBytes = 0;         // as reported when probing, never 0
  std::vector<std::string> mountPoints;  // where it is mounted now, if anywhere
};

// Where candidates come from and how one is opened for writing.
class IVolumeSource {
 public:
  virtual ~IVolumeSource() = default;
  // The volumes that can be formatted now, in a stable order. Each was opened
  // for reading and reported a non-zero length.
  virtual std::vector<VolumeCandidate> FindCandidates() = 0;
  // One attempt to open a candidate for raw read-write access.
  virtual VolumeOpenResult OpenForWriting(const VolumeCandidate& candidate) = 0;
};

}  // namespace motrevix
