#include "catalog/recording_entry.h"

namespace motrevix::catalog {

const QString& RecordingEntry::Column(int column) const {
  switch (column) {
    case 0:
      return m_strName;
    case 1:
      return m_strSize;
    case 2:
      return m_strDate;
    case 3:
      return m_strPath;
    default: {
      static const QString kNoColumn;
      return kNoColumn;
    }
  }
}

}  // namespace motrevix::catalog
