#pragma once
// An owning handle for a C stream: the file is closed on every path.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

// Opens a regular file for reading, or nothing: a FIFO would block the open and a
// device such as /dev/zero would be read forever.
inline StdioFile OpenRegularFileForReading(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return nullptr;
  struct stat info {};
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return nullptr;
  }
  StdioFile file(::fdopen(fd, "rb"));
  if (!file) ::close(fd);
  return file;
}

}  // namespace motrevix::repair
