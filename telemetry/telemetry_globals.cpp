#include "telemetry/telemetry_globals.h"

namespace motrevix {

std::int32_t g_bSpeedValid = 0;
double g_dSpeed = 0;
double g_dLatitude = 0;
double g_dLongitude = 0;
std::int32_t g_nGpsMissCount = 0;

void ResetTelemetryGlobals() {
  g_bSpeedValid = 0;
  g_dSpeed = 0;
  g_dLatitude = 0;
  g_dLongitude = 0;
  g_nGpsMissCount = 0;
}

}  // namespace motrevix
