#include "app/app_globals.h"

namespace motrevix {

std::int64_t g_llDurationMs = 0;
std::int32_t g_nRememberedVolume = 50;
std::int32_t g_bMapOnline = 0;
std::int32_t g_bExtendedLayout = 0;

void ResetAppGlobals() {
  g_llDurationMs = 0;
  g_nRememberedVolume = 50;
  g_bMapOnline = 0;
  g_bExtendedLayout = 0;
}

}  // namespace motrevix
