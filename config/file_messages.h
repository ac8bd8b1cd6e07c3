#pragma once
// The texts shown when a camera file cannot be read or written, with %1 (the file's
// full path) already replaced.

#include <filesystem>
#include <string>

namespace motrevix::config {

// Caption of the message boxes of this subsystem.
inline constexpr const char* kFileErrorCaption = "Motrevix";

std::string ReadErrorMessage(const std::filesystem::path& file, int error);
std::string WriteErrorMessage(const std::filesystem::path& file, int error);

}  // namespace motrevix::config
