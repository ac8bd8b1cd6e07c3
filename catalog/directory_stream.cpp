#include "catalog/directory_stream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>

#include "catalog/file_name_text.h"
#include "platform/unique_fd.h"

namespace motrevix::catalog {
namespace {

constexpr int kDirectoryOpenFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

EntryKind KindOfMode(mode_t mode) {
  if (S_ISDIR(mode)) return EntryKind::Directory;
  if (S_ISREG(mode)) return EntryKind::RegularFile;
  return EntryKind::Other;
}

bool IsDotOrDotDot(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

}  // namespace

// An empty path names no folder, and one with a NUL character would open a
// shorter path than the one given.
DirectoryStream::DirectoryStream(const QString& folder)
    : DirectoryStream(folder.isEmpty() || folder.contains(QChar(u'\0'))
                          ? -1
                          : open(FileNameBytes(folder).constData(), kDirectoryOpenFlags)) {}

DirectoryStream::DirectoryStream(int fd) {
  UniqueFd owned(fd);
  if (!owned.Valid()) return;
  DIR* dir = fdopendir(owned.Get());
  if (dir == nullptr) return;  // the descriptor is still ours, and closes here
  owned.Release();             // the stream closes it from now on
  m_pDir.reset(dir);
}

DirectoryStream DirectoryStream::OpenChild(const char* name) const {
  if (!IsOpen()) return DirectoryStream(-1);
  return DirectoryStream(openat(dirfd(m_pDir.get()), name, kDirectoryOpenFlags));
}

std::optional<DirectoryIdentity> DirectoryStream::Identity() const {
  struct stat info {};
  if (!IsOpen() || fstat(dirfd(m_pDir.get()), &info) != 0) return std::nullopt;
  return DirectoryIdentity{info.st_dev, info.st_ino};
}

const dirent* DirectoryStream::Next() {
  if (!IsOpen()) return nullptr;
  for (;;) {
    const dirent* entry = readdir(m_pDir.get());
    if (entry == nullptr || !IsDotOrDotDot(entry->d_name)) return entry;
  }
}

EntryKind DirectoryStream::KindOf(const dirent& entry) const {
  switch (entry.d_type) {
    case DT_DIR:
      return EntryKind::Directory;
    case DT_REG:
      return EntryKind::RegularFile;
    case DT_LNK:
    case DT_UNKNOWN:
      break;  // follow the link, or ask a file system that does not say
    default:
      return EntryKind::Other;
  }
  struct statx info {};
  if (statx(dirfd(m_pDir.get()), entry.d_name, AT_NO_AUTOMOUNT, STATX_TYPE, &info) != 0 ||
      (info.stx_mask & STATX_TYPE) == 0)
    return EntryKind::Other;
  return KindOfMode(info.stx_mode);
}

std::optional<FileFacts> DirectoryStream::Facts(const char* name) const {
  if (!IsOpen()) return std::nullopt;
  struct statx info {};
  const unsigned wanted = STATX_TYPE | STATX_SIZE | STATX_MTIME | STATX_BTIME;
  if (statx(dirfd(m_pDir.get()), name, AT_NO_AUTOMOUNT, wanted, &info) != 0) return std::nullopt;
  FileFacts facts;
  if (info.stx_mask & STATX_SIZE) facts.sizeInBytes = info.stx_size;
  if (info.stx_mask & STATX_BTIME)
    facts.creationTime = info.stx_btime.tv_sec;
  else if (info.stx_mask & STATX_MTIME)
    facts.creationTime = info.stx_mtime.tv_sec;
  return facts;
}

}  // namespace motrevix::catalog
