#include "catalog/file_list_widget.h"

#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QStyledItemDelegate>

namespace motrevix::catalog {
namespace {

const QColor kBackground(235, 235, 235);
const QColor kRowText(80, 80, 80);
const QColor kPlayingRowText(95, 150, 238);

// Draws each row's text in its colour (the playing row in its own) on the row's
// background, with no text background of its own.
class RowColourDelegate : public QStyledItemDelegate {
 public:
  explicit RowColourDelegate(CFileListWidget* list) : QStyledItemDelegate(list), list_(list) {}

  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    option->palette.setColor(QPalette::Text, list_->RowTextColour(index.row()));
    option->backgroundBrush = Qt::NoBrush;
  }

 private:
  CFileListWidget* list_;
};

// Arial with a cell height (ascent and descent) of 17 pixels, as the list's rows
// are laid out for; the em size is what is left below that.
QFont ListFont() {
  constexpr int kCellHeight = 17;
  QFont font("Arial");
  int pixels = kCellHeight;
  do {
    font.setPixelSize(pixels);
  } while (QFontMetrics(font).height() > kCellHeight && --pixels > 8);
  return font;
}

}  // namespace

CFileListWidget::CFileListWidget(QWidget* parent) : QTreeWidget(parent) {
  setObjectName("1013");
  setColumnCount(RecordingEntry::kColumnCount);
  setHeaderLabels({"File name", "Size", "Date", "Path"});
  setHeaderHidden(true);
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  header()->setStretchLastSection(false);
  header()->setMinimumSectionSize(0);
  SetColumnWidths(170, 65);
  for (int column = 2; column < RecordingEntry::kColumnCount; ++column)
    header()->resizeSection(column, 0);
  QPalette colours = palette();
  colours.setColor(QPalette::Base, kBackground);
  colours.setColor(QPalette::Window, kBackground);
  setPalette(colours);
  setAutoFillBackground(true);
  setFont(ListFont());
  setItemDelegate(new RowColourDelegate(this));
  connect(this, &QTreeWidget::itemDoubleClicked, this,
          [this](QTreeWidgetItem* item, int) { emit RowActivated(indexOfTopLevelItem(item)); });
}

void CFileListWidget::SetRows(const RecordingRows& rows) {
  DeleteAllItems();
  QList<QTreeWidgetItem*> items;
  for (const RecordingEntry& row : rows) {
    auto* item = new QTreeWidgetItem;
    for (int column = 0; column < RecordingEntry::kColumnCount; ++column)
      item->setText(column, row.Column(column));
    item->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    for (int column = 1; column < RecordingEntry::kColumnCount; ++column)
      item->setTextAlignment(column, Qt::AlignCenter);
    items.append(item);
  }
  addTopLevelItems(items);
}

void CFileListWidget::DeleteAllItems() { clear(); }

void CFileListWidget::SetColumnWidths(int name, int size) {
  header()->resizeSection(0, name);
  header()->resizeSection(1, size);
}

int CFileListWidget::RowCount() const { return topLevelItemCount(); }

QString CFileListWidget::ItemText(int row, int column) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->text(column) : QString();
}

int CFileListWidget::FirstSelectedRow() const {
  for (int row = 0; row < RowCount(); ++row)
    if (topLevelItem(row)->isSelected()) return row;
  return -1;
}

bool CFileListWidget::IsRowSelected(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item && item->isSelected();
}

void CFileListWidget::SetRowSelected(int row, bool selected) {
  if (QTreeWidgetItem* item = topLevelItem(row)) item->setSelected(selected);
}

void CFileListWidget::ClearAllSelected() { clearSelection(); }

void CFileListWidget::EnsureRowVisible(int row) {
  if (QTreeWidgetItem* item = topLevelItem(row)) scrollToItem(item);
}

void CFileListWidget::SetPlayingRow(int row) {
  if (row == m_nPlayingRow) return;
  m_nPlayingRow = row;
  viewport()->update();
}

QColor CFileListWidget::RowTextColour(int row) const {
  return row == m_nPlayingRow ? kPlayingRowText : kRowText;
}

}  // namespace motrevix::catalog
