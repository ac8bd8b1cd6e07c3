#include <algorithm>

#include "telemetry/telemetry_export.h"

namespace motrevix {

std::vector<TelemetryRecordRef> RecordsInTimeOrder(const CTextData& data) {
  std::vector<TelemetryRecordRef> gps, sensor, merged;
  gps.reserve(data.m_aGPS.size());
  sensor.reserve(data.m_aGSensor.size());
  for (std::size_t i = 0; i < data.m_aGPS.size(); ++i)
    gps.push_back(
        {TelemetryRecordRef::Kind::kGps, i, static_cast<std::uint32_t>(data.m_aGPS[i].m_nTimeMs)});
  for (std::size_t i = 0; i < data.m_aGSensor.size(); ++i)
    sensor.push_back({TelemetryRecordRef::Kind::kGSensor, i,
                      static_cast<std::uint32_t>(data.m_aGSensor[i].m_nTimeMs)});
  merged.reserve(gps.size() + sensor.size());
  std::merge(
      gps.begin(), gps.end(), sensor.begin(), sensor.end(), std::back_inserter(merged),
      [](const TelemetryRecordRef& a, const TelemetryRecordRef& b) { return a.timeMs < b.timeMs; });
  return merged;
}

}  // namespace motrevix
