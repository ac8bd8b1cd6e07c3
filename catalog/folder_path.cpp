#include "catalog/folder_path.h"

namespace motrevix::catalog {

QString NormalisedFolder(QStringView folder) {
  QString normalised;
  normalised.reserve(folder.size());
  for (const QChar c : folder) {
    if (c == kPathSeparator && normalised.endsWith(kPathSeparator)) continue;
    normalised.append(c);
  }
  if (normalised.size() > 1 && normalised.endsWith(kPathSeparator)) normalised.chop(1);
  return normalised;
}

QString PathInFolder(const QString& normalisedFolder, QStringView name) {
  QString path;
  path.reserve(normalisedFolder.size() + 1 + name.size());
  path.append(normalisedFolder);
  if (!path.endsWith(kPathSeparator)) path.append(kPathSeparator);
  path.append(name);
  return path;
}

}  // namespace motrevix::catalog
