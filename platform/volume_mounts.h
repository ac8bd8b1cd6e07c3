#pragma once
// The mount table as /proc/self/mountinfo gives it.

#include <filesystem>
#include <string>
#include <vector>

namespace motrevix {

struct MountEntry {
  unsigned major = 0;
  unsigned minor = 0;
  std::string mountPoint;  // with the kernel's octal escapes (\040 for a space) decoded
  std::string fsType;
  std::string source;  // "/dev/sdb1", or whatever the file system names
};

// Reads a mountinfo file; an unreadable file gives an empty table.
std::vector<MountEntry> ReadMountInfo(const std::filesystem::path& file = "/proc/self/mountinfo");

// Parses one mountinfo line; false when it is not one.
bool ParseMountInfoLine(const std::string& line, MountEntry& entry);

}  // namespace motrevix
