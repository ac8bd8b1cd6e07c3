#pragma once
// The texts and rules of the format dialog that are arithmetic, not widgets: the
// readiness text, the drive entries and which labels may be written.

#include <cstdint>
#include <string>
#include <string_view>

namespace motrevix::format {

constexpr const char* kFormatDialogCaption = "FAT32 Formatter";
constexpr const char* kDefaultVolumeLabel = "RD-310";
// The label edit takes at most this many characters.
constexpr std::size_t kMaxDialogLabelChars = 10;

// "%d.%d GB SD Card is ready" for a volume of N 512-byte sectors: whole GiB, then
// the hundreds of MiB beyond them, at most 9 (a remainder of 1,000 MiB or more
// would otherwise read as "7.10").
std::string ReadinessText(std::uint32_t volumeSectors);

// "%s Drive" of a drive's name.
std::string DriveEntryText(const std::string& driveName);

// A label the dialog writes: at most 10 characters, each printable ASCII, so that
// its bytes are its characters and it fits the 11-byte field.
bool IsWritableLabel(std::string_view label);

}  // namespace motrevix::format
