#include "catalog/catalog_globals.h"

#include "catalog/card_selection.h"
#include "catalog/thumbnail_globals.h"

namespace motrevix::catalog {

int g_nSelectedHour = 0;
int g_nSelectedMinute = 0;
QString g_strLastListedFolder;

void ResetCatalogGlobals() {
  g_nSelectedHour = 0;
  g_nSelectedMinute = 0;
  g_strLastListedFolder.clear();
  ResetCardSelection();
  ResetThumbnailGlobals();
}

}  // namespace motrevix::catalog
