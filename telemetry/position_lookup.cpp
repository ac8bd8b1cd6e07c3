#include "telemetry/position_lookup.h"

#include <cmath>

#include "telemetry/number_text.h"
#include "telemetry/telemetry_globals.h"

namespace motrevix {
namespace {

std::optional<GeoPosition> DecimalPosition(const CGPSData& sample) {
  const GeoPosition position{DecimalDegrees(sample.m_dLatitude),
                             DecimalDegrees(sample.m_dLongitude)};
  if (!std::isfinite(position.latitude) || !std::isfinite(position.longitude)) return std::nullopt;
  return position;
}

}  // namespace

double DecimalDegrees(double degreesMinutes) {
  const double x = degreesMinutes * 0.01;
  const double d = std::trunc(x);
  return d + (x - d) * 100.0 / 60.0;
}

double DisplaySpeed(double kmh, bool inMiles) {
  const double s = std::isfinite(kmh) && kmh >= kStandstillKmh ? kmh : 0.0;
  if (!inMiles) return s;
  return static_cast<double>(static_cast<float>(s * kMilesPerKm));
}

std::optional<GeoPosition> LookupTelemetry(const std::vector<CGPSData>& gps,
                                           std::uint32_t positionMs, bool speedInMiles) {
  if (gps.empty()) {
    ++g_nGpsMissCount;
    g_dSpeed = 0;
    g_bSpeedValid = 0;
    return std::nullopt;
  }
  g_bSpeedValid = 1;
  const CGPSData* sample = nullptr;
  for (const CGPSData& candidate : gps) {
    if (static_cast<std::uint32_t>(candidate.m_nTimeMs) >= positionMs) {
      sample = &candidate;
      break;
    }
  }
  if (sample == nullptr) {
    ++g_nGpsMissCount;
    if (g_nGpsMissCount > kGpsMissesKept) g_bSpeedValid = 0;
    return std::nullopt;
  }
  g_nGpsMissCount = 0;
  if (sample->m_bValid == 0) return std::nullopt;

  const std::optional<GeoPosition> position = DecimalPosition(*sample);
  if (position) {
    g_dLatitude = position->latitude;
    g_dLongitude = position->longitude;
  }
  g_dSpeed = DisplaySpeed(sample->m_dSpeed, speedInMiles);
  return position;
}

std::string DrawCurrentCommand(const GeoPosition& position) {
  return "javascript:DrawCurrent('" + FixedText(position.latitude, 6) + "', '" +
         FixedText(position.longitude, 6) + "')";
}

std::vector<GeoPosition> TrackOfValidFixes(const std::vector<CGPSData>& gps) {
  std::vector<GeoPosition> track;
  for (const CGPSData& sample : gps) {
    if (sample.m_bValid == 0) continue;
    const std::optional<GeoPosition> position = DecimalPosition(sample);
    if (!position || std::fabs(position->latitude) > 90 || std::fabs(position->longitude) > 180)
      continue;
    track.push_back(*position);
  }
  return track;
}

}  // namespace motrevix
