#include "catalog/card_selection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "catalog/card_folders.h"

namespace motrevix::catalog {

QString g_strSelectedDrive;
std::string g_szCardRoot;
std::int32_t g_bCardSelected = 0;
std::int32_t g_bFolderMode = 0;

void ResetCardSelection() {
  g_strSelectedDrive.clear();
  g_szCardRoot.clear();
  g_bCardSelected = 0;
  g_bFolderMode = 0;
}

QString DriveEntryText(QStringView mountPoint) {
  return CardRoot(mountPoint).append(kDriveEntrySuffix);
}

std::optional<QString> CardRootOfDriveText(QStringView text) {
  QStringView path = text;
  if (path.endsWith(kDriveEntrySuffix)) path.chop(kDriveEntrySuffix.size());
  if (path.trimmed().isEmpty()) return std::nullopt;
  const QString folder = path.toString();
  if (!QDir::isAbsolutePath(folder) || !QFileInfo(folder).isDir()) return std::nullopt;
  return CardRoot(folder);
}

void SelectCard(const QString& driveText, const QString& cardRoot) {
  g_strSelectedDrive = driveText;
  g_szCardRoot = QFile::encodeName(cardRoot).toStdString();
  g_bCardSelected = 1;
  g_bFolderMode = 0;
}

void SelectFolder() {
  g_bFolderMode = 1;
  g_bCardSelected = 0;
}

QString CardRootText() { return QFile::decodeName(QByteArray::fromStdString(g_szCardRoot)); }

}  // namespace motrevix::catalog
