#pragma once
// Process-wide values of the recording catalog.

namespace motrevix::catalog {

// Hour chosen with the hour slider; the hour listing lists recordings of it.
extern int g_nSelectedHour;
// Minute chosen with the minute slider; the minute listing lists recordings of it.
extern int g_nSelectedMinute;

// Puts every process-wide value of the catalog back to its start value.
void ResetCatalogGlobals();

}  // namespace motrevix::catalog
