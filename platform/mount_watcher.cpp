#include "platform/mount_watcher.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <algorithm>
#include <fstream>
#include <sstream>

namespace motrevix {
namespace {

std::string DecodeOctalEscapes(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        std::all_of(field.begin() + i + 1, field.begin() + i + 4,
                    [](char c) { return c >= '0' && c <= '7'; })) {
      out += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 +
                               (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

}  // namespace

std::vector<std::string> RemovedMountPoints(const std::vector<std::string>& before,
                                            const std::vector<std::string>& after) {
  const std::multiset<std::string> remaining(after.begin(), after.end());
  std::vector<std::string> removed;
  for (const std::string& point : before)
    if (remaining.find(point) == remaining.end()) removed.push_back(point);
  return removed;
}

std::vector<std::string> ReadMountPoints(const std::string& mountsFile) {
  std::vector<std::string> points;
  std::ifstream in(mountsFile);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    std::string source, point;
    if (fields >> source >> point) points.push_back(DecodeOctalEscapes(point));
  }
  return points;
}

MountWatcher::MountWatcher(std::string mountsFile, QObject* parent)
    : QObject(parent), mountsFile_(std::move(mountsFile)) {
  mountPoints_ = ReadMountPoints(mountsFile_);
  fd_ = ::open(mountsFile_.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd_ < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Exception);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    // Reading the file again clears the kernel's mark.
    char buffer[4096];
    ::lseek(fd_, 0, SEEK_SET);
    while (::read(fd_, buffer, sizeof buffer) > 0) {
    }
    Rescan();
  });
}

MountWatcher::~MountWatcher() {
  notifier_.reset();
  if (fd_ >= 0) ::close(fd_);
}

void MountWatcher::Rescan() {
  std::vector<std::string> now = ReadMountPoints(mountsFile_);
  const std::vector<std::string> removed = RemovedMountPoints(mountPoints_, now);
  mountPoints_ = std::move(now);
  for (const std::string& point : removed) {
    QString root = QString::fromStdString(point);
    if (!root.endsWith('/')) root += '/';
    emit MountRemoved(root);
  }
}

}  // namespace motrevix
