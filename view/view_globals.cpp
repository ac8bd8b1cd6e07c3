#include "view/view_globals.h"

namespace motrevix {

std::int32_t g_bRearHiddenByUser = 0;
std::int32_t g_bSpeedInMiles = 0;

void ResetViewGlobals() {
  g_bRearHiddenByUser = 0;
  g_bSpeedInMiles = 0;
}

}  // namespace motrevix
