#include "app/startup_list.h"

#include <QDir>
#include <QFileInfo>

#include "catalog/recording_listing.h"
#include "catalog/row_text.h"

namespace motrevix {
namespace {

StartupList ListFolder(const QString& folder) {
  StartupList list;
  const QFileInfo info(folder);
  if (!info.isDir()) {
    list.error = QString("not a folder: %1").arg(folder);
    return list;
  }
  QString root = QDir::cleanPath(info.absoluteFilePath());
  if (!root.endsWith('/')) root += '/';
  catalog::ListAll(root, list.rows);
  catalog::SortByNameOrder(list.rows);
  list.folder = root;
  return list;
}

catalog::RecordingEntry RowForFile(const QFileInfo& file) {
  catalog::RecordingEntry row;
  row.m_strName = file.completeBaseName();
  row.m_strSize = catalog::SizeText(static_cast<std::uint64_t>(file.size()));
  const QDateTime born = file.birthTime().isValid() ? file.birthTime() : file.lastModified();
  row.m_strDate = catalog::DateText(born.toSecsSinceEpoch());
  row.m_strPath = file.absoluteFilePath();
  return row;
}

}  // namespace

StartupList ListFromArguments(const std::optional<QString>& folder, const QStringList& arguments) {
  if (folder) {
    if (!arguments.isEmpty()) return {{}, {}, "give either --folder DIR or files, not both"};
    return ListFolder(*folder);
  }
  if (arguments.size() == 1 && QFileInfo(arguments.front()).isDir())
    return ListFolder(arguments.front());
  StartupList list;
  for (const QString& argument : arguments) {
    const QFileInfo file(argument);
    if (!file.exists()) return {{}, {}, QString("no such file: %1").arg(argument)};
    if (!file.isFile()) return {{}, {}, QString("not a file: %1").arg(argument)};
    list.rows.push_back(RowForFile(file));
  }
  return list;
}

}  // namespace motrevix
