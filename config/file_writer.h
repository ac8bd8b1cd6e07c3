#pragma once
// Writing a camera file whole. The new contents go to a temporary file beside the
// target and are renamed over it only when complete, so a write that fails half-way
// (card pulled, card full) leaves the old file as it was.

#include <filesystem>
#include <string>
#include <string_view>

namespace motrevix::config {

struct WriteResult {
  bool ok = false;
  int error = 0;  // errno of the step that failed
};

class IFileWriter {
 public:
  virtual ~IFileWriter() = default;
  // Replaces the file's contents with data, or leaves it untouched on failure.
  virtual WriteResult ReplaceFile(const std::filesystem::path& target, std::string_view data) = 0;
};

// The real writer: a new temporary file in the same folder under a unique name
// (rdsetup.cfg.Xy12ab.tmp), fsync, rename over the target.
class ReplacingFileWriter : public IFileWriter {
 public:
  WriteResult ReplaceFile(const std::filesystem::path& target, std::string_view data) override;
};

}  // namespace motrevix::config
