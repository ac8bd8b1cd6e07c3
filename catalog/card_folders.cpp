#include "catalog/card_folders.h"

#include "catalog/folder_path.h"

namespace motrevix::catalog {

QStringView CategoryFolderName(RecordingCategory category) {
  switch (category) {
    case RecordingCategory::All:
      return {};
    case RecordingCategory::Normal:
      return u"Normal";
    case RecordingCategory::Event:
      return u"Event";
    case RecordingCategory::Parking:
      return u"PARK";
    case RecordingCategory::Motion:
      return u"Motion";
    case RecordingCategory::Manual:
      return u"Manual";
  }
  return {};
}

QString CardRoot(QStringView mountPoint) {
  QString root = mountPoint.toString();
  while (root.endsWith(kPathSeparator)) root.chop(1);
  root.append(kPathSeparator);
  return root;
}

QString CategoryFolder(QStringView cardRoot, RecordingCategory category) {
  return CardRoot(cardRoot).append(CategoryFolderName(category));
}

}  // namespace motrevix::catalog
