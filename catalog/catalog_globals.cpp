#include "catalog/catalog_globals.h"

#include "catalog/thumbnail_globals.h"

namespace motrevix::catalog {

int g_nSelectedHour = 0;
int g_nSelectedMinute = 0;

void ResetCatalogGlobals() {
  g_nSelectedHour = 0;
  g_nSelectedMinute = 0;
  ResetThumbnailGlobals();
}

}  // namespace motrevix::catalog
