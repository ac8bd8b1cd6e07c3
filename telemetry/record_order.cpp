#include <algorithm>

#include "telemetry/telemetry_export.h"

namespace motrevix {

std::vector<TelemetryRecordRef> RecordsInTimeOrder(const CTextData& data) {
  std::vector<TelemetryRecordRef> records;
  records.reserve(data.m_aGPS.size() + data.m_aGSensor.size());
  for (std::size_t i = 0; i < data.m_aGPS.size(); ++i)
    records.push_back({TelemetryRecordRef::Kind::kGps, i, StampMs(data.m_aGPS[i].m_nTimeMs)});
  for (std::size_t i = 0; i < data.m_aGSensor.size(); ++i)
    records.push_back(
        {TelemetryRecordRef::Kind::kGSensor, i, StampMs(data.m_aGSensor[i].m_nTimeMs)});
  // A recording's chunks need not arrive in time order: sort, not merge. Stable, so
  // on equal stamps GPS comes first and each array keeps its own order.
  std::stable_sort(
      records.begin(), records.end(),
      [](const TelemetryRecordRef& a, const TelemetryRecordRef& b) { return a.timeMs < b.timeMs; });
  return records;
}

}  // namespace motrevix
