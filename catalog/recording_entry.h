#pragma once
// One row of the file list: four text columns. The list shows the name and the
// size; the date and the path travel in hidden columns, and the path is what
// every other part of the viewer opens.

#include <QString>
#include <vector>

namespace motrevix::catalog {

struct RecordingEntry {
  QString m_strName;  // column 0: title (full listing) or file name (filtered listings)
  QString m_strSize;  // column 1: SizeText of the file's size
  QString m_strDate;  // column 2: DateText of the file's creation time
  QString m_strPath;  // column 3: folder, one separator, file name

  static constexpr int kColumnCount = 4;

  // Column text by index 0..3, as a list control addresses its sub-items.
  const QString& Column(int column) const;
};

// The rows a listing appends to; a listing never removes rows already there.
using RecordingRows = std::vector<RecordingEntry>;

}  // namespace motrevix::catalog
