#include "config/text_file.h"

#include <fcntl.h>

#include <cerrno>

#include "platform/unique_fd.h"

namespace motrevix::config {

TextFileRead ReadTextFile(const std::filesystem::path& file) {
  TextFileRead result;
  UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
  if (!fd.Valid()) {
    result.error = errno;
    return result;
  }
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
    result.text.append(buffer, static_cast<std::size_t>(got));
  }
  result.ok = true;
  return result;
}

}  // namespace motrevix::config
