#include "catalog/thumbnail_geometry.h"

namespace motrevix::catalog {
namespace {

QRect CellRect(int cell, QSize size) {
  return QRect(kThumbArea.left() + (cell % kCellsPerRow) * size.width(),
               kThumbArea.top() + (cell / kCellsPerRow) * size.height(), size.width(),
               size.height());
}

// The hit area of a cell starts one pixel in and leaves out the two pixels of
// the border it shares with its neighbours (124 of 126 columns).
std::optional<int> CellAt(QPoint point, QSize size, int cells) {
  for (int cell = 0; cell < cells; ++cell) {
    const QRect r = CellRect(cell, size);
    const int dx = point.x() - (r.left() + 1);
    const int dy = point.y() - (r.top() + 1);
    if (dx >= 0 && dx <= size.width() - 2 && dy >= 0 && dy <= size.height() - 2) return cell;
  }
  return std::nullopt;
}

}  // namespace

double StripCellSeconds(int cell) { return 1.0 + 3.0 * cell; }

int StripCellCount(std::int64_t durationMs) {
  int cells = 0;
  while (cells < kStripCells && StripCellSeconds(cells) * 1000.0 < static_cast<double>(durationMs))
    ++cells;
  return cells;
}

QRect PageCellRect(int cell) { return CellRect(cell, kPageCellSize); }

QRect PageFrontRect(int cell) {
  const QRect r = PageCellRect(cell);
  return QRect(r.topLeft(), QSize(r.width(), r.height() / 2));
}

QRect PageRearRect(int cell) {
  const QRect r = PageCellRect(cell);
  return QRect(r.left(), r.top() + r.height() / 2, r.width(), r.height() - r.height() / 2);
}

QRect StripCellRect(int cell) { return CellRect(cell, kStripCellSize); }

std::optional<int> PageCellAt(QPoint point) { return CellAt(point, kPageCellSize, kPageCells); }

std::optional<int> StripCellAt(QPoint point) { return CellAt(point, kStripCellSize, kStripCells); }

}  // namespace motrevix::catalog
