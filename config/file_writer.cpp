#include "config/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/unique_fd.h"

namespace motrevix::config {

namespace {

bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

WriteResult Failed(const std::filesystem::path& temporary) {
  const int error = errno;
  ::unlink(temporary.c_str());
  return {false, error};
}

// Makes the rename itself durable; a folder that cannot be synced is not an error.
void SyncFolder(const std::filesystem::path& folder) {
  UniqueFd fd(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Valid()) ::fsync(fd.Get());
}

// The target's name, six characters that make it unique, ".tmp".
constexpr const char* kTemporaryPatternSuffix = ".XXXXXX.tmp";
constexpr int kTemporaryNameSuffixLength = 4;  // ".tmp" after the unique part

}  // namespace

WriteResult ReplacingFileWriter::ReplaceFile(const std::filesystem::path& target,
                                             std::string_view data) {
  // The new file keeps the permissions of the one it replaces.
  mode_t mode = 0644;
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
    mode = existing.st_mode & 07777;

  // A new file under a name nobody else has: whatever a card holds under a
  // temporary-looking name (a link, a FIFO, a file) is neither followed nor reused.
  std::string name = target.string() + kTemporaryPatternSuffix;
  UniqueFd fd(::mkostemps(name.data(), kTemporaryNameSuffixLength, O_CLOEXEC));
  if (!fd.Valid()) return {false, errno};
  const std::filesystem::path temporary = name;
  if (::fchmod(fd.Get(), mode) != 0) return Failed(temporary);
  if (!WriteAll(fd.Get(), data)) return Failed(temporary);
  if (::fsync(fd.Get()) != 0 && errno != EINVAL) return Failed(temporary);
  if (fd.Close() != 0) return Failed(temporary);
  if (::rename(temporary.c_str(), target.c_str()) != 0) return Failed(temporary);
  SyncFolder(target.parent_path());
  return {true, 0};
}

}  // namespace motrevix::config
