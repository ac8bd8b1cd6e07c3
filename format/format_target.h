#pragma once
// Which devices a user may format from the command line: only the volumes of
// removable devices, and only while nothing mounts them; and the question that
// confirms it.

#include <cstdint>
#include <iosfwd>
#include <string>

#include "platform/volume_discovery.h"

namespace motrevix::format {

struct FormatTargetCheck {
  bool allowed = false;
  RemovableVolume volume;  // when allowed
  std::string refusal;     // when not
};

FormatTargetCheck CheckFormatTarget(const std::string& devicePath, const SystemPaths& paths = {});

// Asks on out and reads one line from in; only "yes" or "y" agree.
bool ConfirmFormat(const RemovableVolume& volume, const std::string& label, std::istream& in,
                   std::ostream& out);

}  // namespace motrevix::format
