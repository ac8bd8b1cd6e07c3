#pragma once
// An owning handle for a C stream: the file is closed on every path.

#include <cstdio>
#include <filesystem>
#include <memory>

namespace motrevix::repair {

struct StdioFileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using StdioFile = std::unique_ptr<std::FILE, StdioFileCloser>;

inline StdioFile OpenStdioFile(const std::filesystem::path& path, const char* mode) {
  return StdioFile(std::fopen(path.c_str(), mode));
}

}  // namespace motrevix::repair
