#pragma once
// Process-wide values of the thumbnail page and the frame strip (32-bit flags,
// all starting at 0).

#include <QString>
#include <array>
#include <cstdint>

#include "catalog/thumbnail_geometry.h"

namespace motrevix::catalog {

// 1 while the thumbnail page stands in for the video.
extern std::int32_t g_bThumbView;
// 1 after a page was drawn; right-clicks then show a cell's path.
extern std::int32_t g_bThumbsDrawn;
// Index of the first file of the page (0, 10, 20, ...) and the page number.
extern std::int32_t g_nThumbFirst;
extern std::int32_t g_nThumbPage;
// The recordings pictured in the ten cells of the page.
extern std::array<QString, kPageCells> g_astrThumbPath;
// 1 while a frame strip is shown: the next double-click picks a moment.
extern std::int32_t g_bStripShown;

// What Play does to them (the video comes back).
void ResetThumbnailsOnPlay();
// What Stop does to them (and back to the first page).
void ResetThumbnailsOnStop();
// A double-click on a row of the file list.
void ResetThumbnailsOnRowDoubleClick();

// Every value back to its start value.
void ResetThumbnailGlobals();

}  // namespace motrevix::catalog
