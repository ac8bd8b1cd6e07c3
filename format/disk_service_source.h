#pragma once
// Volumes opened directly when the user may, and through the desktop's disk
// service when opening the device is refused for lack of permission.

#include <memory>

#include "platform/disk_service.h"
#include "platform/volume_types.h"

namespace motrevix::format {

class DiskServiceVolumeSource : public IVolumeSource {
 public:
  // The service may be null: then a refused open stays refused.
  DiskServiceVolumeSource(std::unique_ptr<IVolumeSource> direct, IDiskService* service)
      : m_pDirect(std::move(direct)), m_pService(service) {}

  std::vector<VolumeCandidate> FindCandidates() override { return m_pDirect->FindCandidates(); }
  VolumeOpenResult OpenForWriting(const VolumeCandidate& candidate) override;

 private:
  std::unique_ptr<IVolumeSource> m_pDirect;
  IDiskService* m_pService;
};

}  // namespace motrevix::format
