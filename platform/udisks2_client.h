#pragma once
// udisks2 over D-Bus: finds a device's object with the manager's ResolveDevice,
// unmounts its file system and opens it with Block.OpenDevice. Both may make polkit
// ask the user, so the calls wait up to a few minutes.

#include <QDBusConnection>
#include <QString>
#include <optional>

#include "platform/disk_service.h"

namespace motrevix {

class UDisks2Client : public IDiskService {
 public:
  // The system bus, where udisks2 lives; tests pass a private bus.
  explicit UDisks2Client(QDBusConnection bus = QDBusConnection::systemBus());

  bool IsAvailable() override;
  bool Unmount(const std::string& devicePath, std::string& reason) override;
  VolumeOpenResult OpenDevice(const std::string& devicePath) override;

 private:
  // The object path of a device's block object, or nothing with a reason.
  std::optional<QString> BlockObject(const std::string& devicePath, std::string& reason);

  QDBusConnection m_bus;
};

}  // namespace motrevix
