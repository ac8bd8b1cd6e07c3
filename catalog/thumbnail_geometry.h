#pragma once
// Where the thumbnail page, the frame strip and the preview go on the main window
// (client pixels), and which cell a point hits. Cells are placed from their index
// on the page or strip, five to a row from the area's top-left corner.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <optional>

namespace motrevix::catalog {

inline constexpr int kCellsPerRow = 5;
inline constexpr int kPageCells = 10;
// The strip area holds four rows of five.
inline constexpr int kStripCells = 20;

// The backdrop (bitmap 319) is copied here at this size.
inline constexpr QRect kThumbArea{23, 100, 628, 350};
inline constexpr QSize kPageCellSize{126, 174};
inline constexpr QSize kStripCellSize{126, 87};
// The preview is scaled to this size and its top-left part copied to the target.
inline constexpr QSize kPreviewScaledSize{640, 360};
inline constexpr QRect kPreviewTarget{24, 99, 627, 350};

// Times of the pictures.
inline constexpr double kPageSeconds = 15.0;
inline constexpr double kPreviewSeconds = 10.0;
double StripCellSeconds(int cell);
// Strip cells whose time lies within a recording of this length.
int StripCellCount(std::int64_t durationMs);

QRect PageCellRect(int cell);
// The front picture fills the top half of a page cell, the rear the bottom half.
QRect PageFrontRect(int cell);
QRect PageRearRect(int cell);
QRect StripCellRect(int cell);

// The cell under a point: inside a cell, one pixel in from its left and top edge
// and clear of its right and bottom edge.
std::optional<int> PageCellAt(QPoint point);
std::optional<int> StripCellAt(QPoint point);

}  // namespace motrevix::catalog
