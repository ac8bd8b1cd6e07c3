#pragma once
// Reading a small file whole.

#include <filesystem>
#include <string>

namespace motrevix::config {

struct TextFileRead {
  bool ok = false;
  int error = 0;  // errno when not ok
  std::string text;
};

TextFileRead ReadTextFile(const std::filesystem::path& file);

}  // namespace motrevix::config
