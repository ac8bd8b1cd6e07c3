#include "config/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/unique_fd.h"

namespace motrevix::config {

UniqueFd OpenRegularFile(const std::filesystem::path& file, int& error) {
  // O_NONBLOCK: opening a FIFO must not wait for a writer.
  UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (!fd.Valid()) {
    error = errno;
    return fd;
  }
  struct stat info {};
  if (::fstat(fd.Get(), &info) != 0) {
    error = errno;
    return UniqueFd(-1);
  }
  if (!S_ISREG(info.st_mode)) {
    error = S_ISDIR(info.st_mode) ? EISDIR : kNotARegularFileError;
    return UniqueFd(-1);
  }
  // Reads of a regular file never block anyway; clearing the flag keeps them plain.
  ::fcntl(fd.Get(), F_SETFL, ::fcntl(fd.Get(), F_GETFL) & ~O_NONBLOCK);
  return fd;
}

TextFileRead ReadTextFile(const std::filesystem::path& file) {
  TextFileRead result;
  UniqueFd fd = OpenRegularFile(file, result.error);
  if (!fd.Valid()) return result;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(fd.Get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      result.error = errno;
      result.text.clear();
      return result;
    }
    if (got == 0) break;
    if (result.text.size() + static_cast<std::size_t>(got) > kMaxTextFileBytes) {
      result.error = kTextFileTooLargeError;
      result.text.clear();
      return result;
    }
    result.text.append(buffer, static_cast<std::size_t>(got));
  }
  result.ok = true;
  return result;
}

}  // namespace motrevix::config
