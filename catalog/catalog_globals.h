#pragma once
// Process-wide values of the recording catalog (the card selection is in
// catalog/card_selection.h, the thumbnail page's in catalog/thumbnail_globals.h).

#include <QString>

namespace motrevix::catalog {

// Hour chosen with the hour slider; the hour listing lists recordings of it.
extern int g_nSelectedHour;
// Minute chosen with the minute slider; the minute listing lists recordings of it.
extern int g_nSelectedMinute;
// The folder of the last full listing; the thumbnail page pictures its files.
extern QString g_strLastListedFolder;

// Puts every process-wide value of the catalog back to its start value.
void ResetCatalogGlobals();

}  // namespace motrevix::catalog
