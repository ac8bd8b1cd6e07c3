#pragma once
// The desktop's disk service as the formatter needs it: unmount a card the desktop
// mounted, and open a device the user may not open directly (the service asks the
// user for consent). udisks2 is the real one; tests put a mock on a private bus.

#include <string>

#include "platform/volume_types.h"

namespace motrevix {

class IDiskService {
 public:
  virtual ~IDiskService() = default;
  // Whether the service answers at all.
  virtual bool IsAvailable() = 0;
  // Unmounts the file system of a device ("/dev/sdb1"); false with a reason.
  virtual bool Unmount(const std::string& devicePath, std::string& reason) = 0;
  // Opens a device read-write and exclusively through the service.
  virtual VolumeOpenResult OpenDevice(const std::string& devicePath) = 0;
};

}  // namespace motrevix
