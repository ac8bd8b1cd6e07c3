#pragma once
// An open directory read entry by entry in the file system's order, with the
// few facts the listings need about its entries. Entries are addressed relative
// to the open directory, so deep trees cost no repeated path look-ups.

#include <dirent.h>
#include <sys/types.h>

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

namespace motrevix::catalog {

enum class EntryKind { Directory, RegularFile, Other };

// Where a directory lives; two paths that reach the same directory (through
// symbolic links) share it.
struct DirectoryIdentity {
  dev_t device = 0;
  ino_t inode = 0;
  auto operator<=>(const DirectoryIdentity&) const = default;
};

struct FileFacts {
  std::uint64_t sizeInBytes = 0;
  // Birth time where the file system keeps one, otherwise the modification time.
  std::optional<std::int64_t> creationTime;
};

class DirectoryStream {
 public:
  // Opens a folder by path; IsOpen() is false when it cannot be read.
  explicit DirectoryStream(const QString& folder);

  bool IsOpen() const { return m_pDir != nullptr; }

  // Opens the sub-directory `name` of this one (following symbolic links).
  DirectoryStream OpenChild(const char* name) const;

  std::optional<DirectoryIdentity> Identity() const;

  // The next entry other than "." and ".."; nullptr at the end or on a read error.
  const dirent* Next();

  // What an entry is, after following symbolic links; Other for anything that
  // is neither a directory nor a regular file, or that cannot be examined.
  EntryKind KindOf(const dirent& entry) const;

  // Size and creation time of the entry `name`, following symbolic links.
  std::optional<FileFacts> Facts(const char* name) const;

 private:
  explicit DirectoryStream(int fd);

  struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
  };
  std::unique_ptr<DIR, DirCloser> m_pDir;
};

}  // namespace motrevix::catalog
