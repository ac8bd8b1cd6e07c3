#include "format/format_dialog_text.h"

#include <algorithm>

namespace motrevix::format {

std::string ReadinessText(std::uint32_t volumeSectors) {
  const std::uint32_t mebibytes = volumeSectors >> 11;
  const std::uint32_t gibibytes = mebibytes / 1024;
  const std::uint32_t tenths = std::min<std::uint32_t>((mebibytes % 1024) / 100, 9);
  return std::to_string(gibibytes) + "." + std::to_string(tenths) + " GB SD Card is ready";
}

std::string DriveEntryText(const std::string& driveName) { return driveName + " Drive"; }

bool IsWritableLabel(std::string_view label) {
  return label.size() <= kMaxDialogLabelChars &&
         std::all_of(label.begin(), label.end(), [](char c) { return c >= 0x20 && c <= 0x7e; });
}

}  // namespace motrevix::format
