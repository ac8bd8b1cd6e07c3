#include "catalog/thumbnail_globals.h"

namespace motrevix::catalog {

std::int32_t g_bThumbView = 0;
std::int32_t g_bThumbsDrawn = 0;
std::int32_t g_nThumbFirst = 0;
std::int32_t g_nThumbPage = 0;
std::array<QString, kPageCells> g_astrThumbPath;
std::int32_t g_bStripShown = 0;

void ResetThumbnailsOnPlay() {
  g_bThumbView = 0;
  g_bThumbsDrawn = 0;
}

void ResetThumbnailsOnStop() {
  ResetThumbnailsOnPlay();
  g_nThumbFirst = 0;
  g_nThumbPage = 0;
}

void ResetThumbnailsOnRowDoubleClick() { g_bThumbView = 0; }

void ResetThumbnailGlobals() {
  ResetThumbnailsOnStop();
  g_astrThumbPath = {};
  g_bStripShown = 0;
}

}  // namespace motrevix::catalog
