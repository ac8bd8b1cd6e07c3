#pragma once
// The formatting engine: finds removable volumes, opens one for exclusive raw
// access and writes an empty FAT32 file system with a volume label onto it.
// Synchronous; every failure is false with a reason in GetLastError().

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/volume_types.h"

namespace motrevix::format {

// How often, and how far apart, opening a busy volume is tried.
struct OpenRetryTiming {
  int attempts = 250;
  std::chrono::milliseconds pause{5};
  // Waits between attempts; empty means std::this_thread::sleep_for.
  std::function<void(std::chrono::milliseconds)> sleep;
};

class CQVFormatter {
 public:
  // Without a source the engine works on the removable block devices.
  explicit CQVFormatter(std::unique_ptr<IVolumeSource> source = nullptr,
                        OpenRetryTiming timing = {});
  ~CQVFormatter();
  CQVFormatter(const CQVFormatter&) = delete;
  CQVFormatter& operator=(const CQVFormatter&) = delete;

  // Closes any open volume and lists the candidates anew; true when there is one.
  bool ProbeDrives();
  int GetDriveCount() const { return static_cast<int>(m_drives.size()); }
  // The candidate's name (device or image path), or nothing out of range.
  std::optional<std::string> GetDriveName(int index) const;
  // The whole candidate (name, length, mount points), or null out of range.
  const VolumeCandidate* GetDrive(int index) const;

  // Closes any open volume, then opens and locks the candidate; retries a busy
  // volume (attempts x pause). On success the volume's size N is known.
  bool OpenVolume(int index);
  // Writes the file system onto the open, locked volume at that index, then
  // unlocks it (success or not); the volume stays open until CloseVolume. The
  // label is at most 11 bytes, written unchanged; empty is allowed.
  bool Format(int index, std::string_view label);
  void CloseVolume();

  bool IsVolumeOpen() const { return m_pVolume != nullptr; }
  // N: the open volume's size in 512-byte sectors; 0 when none is open.
  std::uint32_t GetVolumeSectors() const { return m_nVolumeSectors; }
  const std::string& GetLastError() const { return m_strLastError; }

 private:
  bool Fail(std::string reason);

  std::unique_ptr<IVolumeSource> m_pSource;
  OpenRetryTiming m_timing;
  std::vector<VolumeCandidate> m_drives;
  std::unique_ptr<IRawVolume> m_pVolume;
  int m_nOpenIndex = -1;
  bool m_bLocked = false;
  std::uint32_t m_nVolumeSectors = 0;
  std::string m_strLastError;
};

}  // namespace motrevix::format
