#pragma once
// Tells when a mounted file system goes away: the kernel marks /proc/self/mounts
// with an exceptional condition on every change of the mount table; the watcher
// then reads the table again and reports each mount point that is gone.

#include <QObject>
#include <QString>
#include <memory>
#include <set>
#include <string>
#include <vector>

class QSocketNotifier;

namespace motrevix {

// Mount points of `before` that `after` no longer has, in the order of `before`.
std::vector<std::string> RemovedMountPoints(const std::vector<std::string>& before,
                                            const std::vector<std::string>& after);

// Mount points of a mounts file (the second field of each line, octal escapes
// such as \040 decoded); an unreadable file gives none.
std::vector<std::string> ReadMountPoints(const std::string& mountsFile);

class MountWatcher : public QObject {
  Q_OBJECT

 public:
  explicit MountWatcher(std::string mountsFile = "/proc/self/mounts", QObject* parent = nullptr);
  ~MountWatcher() override;

  // Reads the table again and reports what disappeared since the last reading.
  void Rescan();

 signals:
  // A removed mount point, as a root path with a trailing '/' ("/media/card/").
  void MountRemoved(const QString& rootPath);

 private:
  std::string mountsFile_;
  int fd_ = -1;
  std::unique_ptr<QSocketNotifier> notifier_;
  std::vector<std::string> mountPoints_;
};

}  // namespace motrevix
