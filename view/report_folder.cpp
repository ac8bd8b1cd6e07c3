#include "view/report_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QSaveFile>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace motrevix {
namespace {

std::string FolderMessage(const std::string& folder, const std::string& why) {
  return "The report cannot use the folder " + folder + ": " + why + ".";
}

}  // namespace

ReportFiles ReportFilesIn(const std::string& temporaryFolder) {
  std::string folder = temporaryFolder;
  if (folder.empty() || folder.back() != '/') folder += '/';
  folder += kReportFolderName;
  return {folder, folder + '/' + kReportFrontPicture, folder + '/' + kReportRearPicture,
          folder + '/' + kReportPage};
}

std::optional<std::string> PrepareReportFolder(const std::string& folder) {
  if (::mkdir(folder.c_str(), 0700) == 0) return std::nullopt;
  if (errno != EEXIST) return FolderMessage(folder, std::strerror(errno));
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0) return FolderMessage(folder, std::strerror(errno));
  if (S_ISLNK(info.st_mode)) return FolderMessage(folder, "it is a symbolic link");
  if (!S_ISDIR(info.st_mode)) return FolderMessage(folder, "it is not a folder");
  if (info.st_uid != ::geteuid()) return FolderMessage(folder, "it belongs to another user");
  if ((info.st_mode & 07777) != 0700 && ::chmod(folder.c_str(), 0700) != 0)
    return FolderMessage(folder, std::strerror(errno));
  return std::nullopt;
}

std::optional<std::string> RemoveOldPictures(const ReportFiles& files) {
  for (const std::string& picture : {files.frontPicture, files.rearPicture}) {
    if (::unlink(picture.c_str()) != 0 && errno != ENOENT)
      return "The old picture " + picture + " could not be deleted: " + std::strerror(errno) + ".";
  }
  return std::nullopt;
}

std::optional<std::string> WriteReportPage(const std::string& path, const std::string& text) {
  QSaveFile file(QString::fromStdString(path));
  const auto failure = [&] {
    return "The report page " + path +
           " could not be written: " + file.errorString().toStdString() + ".";
  };
  if (!file.open(QIODevice::WriteOnly)) return failure();
  if (file.write(text.data(), static_cast<qint64>(text.size())) !=
      static_cast<qint64>(text.size())) {
    file.cancelWriting();
    return failure();
  }
  if (!file.commit()) return failure();
  return std::nullopt;
}

}  // namespace motrevix
