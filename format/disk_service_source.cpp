#include "format/disk_service_source.h"

#include <cerrno>

namespace motrevix::format {

VolumeOpenResult DiskServiceVolumeSource::OpenForWriting(const VolumeCandidate& candidate) {
  VolumeOpenResult direct = m_pDirect->OpenForWriting(candidate);
  const bool noPermission = direct.error == EACCES || direct.error == EPERM;
  if (direct.status != VolumeOpenStatus::Failed || !noPermission || m_pService == nullptr ||
      !m_pService->IsAvailable())
    return direct;
  VolumeOpenResult viaService = m_pService->OpenDevice(candidate.name);
  if (viaService.status != VolumeOpenStatus::Opened)
    viaService.reason = direct.reason + "; " + viaService.reason;
  return viaService;
}

}  // namespace motrevix::format
