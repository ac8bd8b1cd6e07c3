#include "format/qv_formatter.h"

#include <limits>
#include <thread>

#include "format/fat32_layout.h"
#include "format/fat32_writer.h"
#include "platform/volume_sources.h"

namespace motrevix::format {

CQVFormatter::CQVFormatter(std::unique_ptr<IVolumeSource> source, OpenRetryTiming timing)
    : m_pSource(source ? std::move(source) : std::make_unique<RemovableDriveSource>()),
      m_timing(std::move(timing)) {
  if (!m_timing.sleep)
    m_timing.sleep = [](std::chrono::milliseconds pause) { std::this_thread::sleep_for(pause); };
}

CQVFormatter::~CQVFormatter() { CloseVolume(); }

bool CQVFormatter::Fail(std::string reason) {
  m_strLastError = std::move(reason);
  return false;
}

bool CQVFormatter::ProbeDrives() {
  CloseVolume();
  m_drives = m_pSource->FindCandidates();
  if (m_drives.empty()) return Fail("no removable volume with a medium was found");
  m_strLastError.clear();
  return true;
}

std::optional<std::string> CQVFormatter::GetDriveName(int index) const {
  if (const VolumeCandidate* drive = GetDrive(index)) return drive->name;
  return std::nullopt;
}

const VolumeCandidate* CQVFormatter::GetDrive(int index) const {
  if (index < 0 || index >= GetDriveCount()) return nullptr;
  return &m_drives[static_cast<std::size_t>(index)];
}

bool CQVFormatter::OpenVolume(int index) {
  CloseVolume();
  const VolumeCandidate* drive = GetDrive(index);
  if (drive == nullptr) return Fail("there is no drive number " + std::to_string(index));

  VolumeOpenResult opened;
  for (int attempt = 1; attempt <= m_timing.attempts; ++attempt) {
    opened = m_pSource->OpenForWriting(*drive);
    if (opened.status != VolumeOpenStatus::Busy) break;
    if (attempt < m_timing.attempts) m_timing.sleep(m_timing.pause);
  }
  if (opened.status != VolumeOpenStatus::Opened) return Fail(opened.reason);

  m_pVolume = std::move(opened.volume);
  m_nOpenIndex = index;
  std::string reason;
  // A refused lock leaves the volume open (but unusable for Format) until it is closed.
  if (!m_pVolume->Lock(reason)) return Fail(reason);
  m_bLocked = true;

  const std::uint64_t sectors = m_pVolume->LengthBytes() / kSectorBytes;
  if (sectors == 0) {
    CloseVolume();
    return Fail(drive->name + " has no medium");
  }
  if (sectors > std::numeric_limits<std::uint32_t>::max()) {
    // FAT32 counts sectors in 32 bits; a larger size would wrap into a wrong layout.
    CloseVolume();
    return Fail(drive->name + " is larger than 2 TiB, the most FAT32 can hold");
  }
  m_nVolumeSectors = static_cast<std::uint32_t>(sectors);
  m_strLastError.clear();
  return true;
}

bool CQVFormatter::Format(int index, std::string_view label) {
  if (GetDrive(index) == nullptr) return Fail("there is no drive number " + std::to_string(index));
  if (!m_pVolume || index != m_nOpenIndex) return Fail("the drive is not open for formatting");
  if (!m_bLocked) return Fail("the drive is not locked for formatting");
  if (label.size() > kMaxLabelBytes)
    return Fail("the volume label is longer than " + std::to_string(kMaxLabelBytes) + " bytes");

  std::string reason;
  const bool written = WriteFat32(*m_pVolume, m_nVolumeSectors, label, reason);
  std::string unlockReason;
  const bool unlocked = m_pVolume->Unlock(unlockReason);
  m_bLocked = false;
  if (!written) return Fail(reason);
  if (!unlocked) return Fail(unlockReason);
  m_strLastError.clear();
  return true;
}

void CQVFormatter::CloseVolume() {
  m_pVolume.reset();
  m_nOpenIndex = -1;
  m_bLocked = false;
  m_nVolumeSectors = 0;
}

}  // namespace motrevix::format
