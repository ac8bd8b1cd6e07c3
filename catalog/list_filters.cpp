#include "catalog/list_filters.h"

#include <QFile>

#include "catalog/folder_path.h"
#include "catalog/name_field.h"

namespace motrevix::catalog {

QStringView FileNameOfPath(QStringView path) {
  const qsizetype separator = path.lastIndexOf(kPathSeparator);
  return separator < 0 ? path : path.mid(separator + 1);
}

FilterFollowUp HourFilterFollowUp(QStringView followingPath, int selectedHour, bool listEmpty) {
  if (NameField(FileNameOfPath(followingPath), kHourField) != selectedHour)
    return FilterFollowUp::KeepList;
  return listEmpty ? FilterFollowUp::Stop : FilterFollowUp::PlayFirstRow;
}

FilterFollowUp MinuteFilterFollowUp(QStringView followingPath, int selectedMinute, int currentHour,
                                    bool listEmpty) {
  const QStringView name = FileNameOfPath(followingPath);
  if (NameField(name, kMinuteField) != selectedMinute || NameField(name, kHourField) != currentHour)
    return FilterFollowUp::KeepList;
  return listEmpty ? FilterFollowUp::Stop : FilterFollowUp::PlayFirstRow;
}

ChosenFolder ClassifyChosenFolder(QStringView path, const std::vector<std::string>& mountPoints) {
  if (path.isEmpty()) return ChosenFolder::Cancelled;
  const QString folder = NormalisedFolder(path);
  if (folder == QStringView(u"/")) return ChosenFolder::DriveRoot;
  for (const std::string& mountPoint : mountPoints)
    if (NormalisedFolder(QFile::decodeName(QByteArray::fromStdString(mountPoint))) == folder)
      return ChosenFolder::DriveRoot;
  return ChosenFolder::Listable;
}

}  // namespace motrevix::catalog
