#pragma once
// The file list of the main window: one row per recording in four columns (name,
// size, and the date and path in zero-width columns), no header row, single
// selection; the row of the recording being played is drawn in its own colour.

#include <QTreeWidget>

#include "catalog/recording_entry.h"

namespace motrevix::catalog {

class CFileListWidget : public QTreeWidget {
  Q_OBJECT

 public:
  explicit CFileListWidget(QWidget* parent);

  // Replaces every row.
  void SetRows(const RecordingRows& rows);
  void DeleteAllItems();
  int RowCount() const;
  // Column text of a row; empty for a row that does not exist.
  QString ItemText(int row, int column) const;

  // First selected row, or -1.
  int FirstSelectedRow() const;
  bool IsRowSelected(int row) const;
  void SetRowSelected(int row, bool selected);
  void ClearAllSelected();
  void EnsureRowVisible(int row);

  // Widths of the two visible columns, name and size (the list's width differs
  // between the layouts).
  void SetColumnWidths(int name, int size);

  // The row drawn as the one being played (-1 none).
  void SetPlayingRow(int row);
  int PlayingRow() const { return m_nPlayingRow; }
  QColor RowTextColour(int row) const;

 signals:
  // A row was double-clicked.
  void RowActivated(int row);

 private:
  int m_nPlayingRow = -1;
};

}  // namespace motrevix::catalog
