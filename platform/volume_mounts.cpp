#include "platform/volume_mounts.h"

#include <fstream>
#include <sstream>

namespace motrevix {
namespace {

// Undoes the \ooo escapes the kernel uses for spaces, tabs, newlines and backslashes.
std::string DecodeOctalEscapes(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\' && i + 3 < text.size()) {
      const std::string digits = text.substr(i + 1, 3);
      if (digits.find_first_not_of("01234567") == std::string::npos) {
        out += static_cast<char>(std::stoi(digits, nullptr, 8));
        i += 3;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

}  // namespace

bool ParseMountInfoLine(const std::string& line, MountEntry& entry) {
  // id parent major:minor root mount-point options [optional fields...] - type source super-options
  std::istringstream in(line);
  std::string id, parent, device, root, mountPoint, options;
  if (!(in >> id >> parent >> device >> root >> mountPoint >> options)) return false;
  std::string field;
  while (in >> field && field != "-") {
  }
  if (field != "-") return false;
  std::string fsType, source;
  if (!(in >> fsType >> source)) return false;
  const auto colon = device.find(':');
  if (colon == std::string::npos) return false;
  try {
    entry.major = static_cast<unsigned>(std::stoul(device.substr(0, colon)));
    entry.minor = static_cast<unsigned>(std::stoul(device.substr(colon + 1)));
  } catch (const std::exception&) {
    return false;
  }
  entry.mountPoint = DecodeOctalEscapes(mountPoint);
  entry.fsType = fsType;
  entry.source = DecodeOctalEscapes(source);
  return true;
}

std::vector<MountEntry> ReadMountInfo(const std::filesystem::path& file) {
  std::vector<MountEntry> table;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    MountEntry entry;
    if (ParseMountInfoLine(line, entry)) table.push_back(std::move(entry));
  }
  return table;
}

}  // namespace motrevix
