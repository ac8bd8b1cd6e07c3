// The readable table: one line per record in time order with its time stamp.
#include <cstdio>

#include "telemetry/gps_fix.h"
#include "telemetry/number_text.h"
#include "telemetry/telemetry_export.h"

namespace motrevix {
namespace {

std::string ClockText(std::uint32_t ms) {
  char text[32];
  std::snprintf(text, sizeof text, "%02u:%02u:%02u.%03u", ms / 3600000, ms / 60000 % 60,
                ms / 1000 % 60, ms % 1000);
  return text;
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.insert(0, width - text.size(), ' ');
  return text;
}

void WriteGpsLine(const CGPSData& g, std::ostream& out) {
  const auto time = FixUtcTime(g);
  out << "G  " << (g.m_bValid == 1 ? "fix   " : "no fix") << "  "
      << (time ? IsoUtcText(*time) : std::string("(no valid date/time)"));
  if (const auto position = FixPosition(g)) {
    out << "  lat " << Padded(FixedText(position->latitude, 6), 10) << "  lon "
        << Padded(FixedText(position->longitude, 6), 11) << "  "
        << Padded(FixedText(g.m_dSpeed, 1), 6) << " km/h  course "
        << Padded(FixedText(g.m_dCourse, 1), 5);
  }
  out << '\n';
}

void WriteGSensorLine(const CGSensorData& m, std::ostream& out) {
  char text[64];
  std::snprintf(text, sizeof text, "M  x %4d  y %4d  z %4d\n", m.m_nX, m.m_nY, m.m_nZ);
  out << text;
}

}  // namespace

void WriteTelemetryTable(const CTextData& data, std::ostream& out) {
  out << data.m_aGPS.size() << " GPS records, " << data.m_aGSensor.size() << " G-sensor records\n";
  if (data.m_aGPS.empty() && data.m_aGSensor.empty()) return;
  out << "time          time_ms  record (GPS times in UTC)\n";
  for (const TelemetryRecordRef& record : RecordsInTimeOrder(data)) {
    out << ClockText(record.timeMs) << Padded(std::to_string(record.timeMs), 9) << "  ";
    if (record.kind == TelemetryRecordRef::Kind::kGps)
      WriteGpsLine(data.m_aGPS[record.index], out);
    else
      WriteGSensorLine(data.m_aGSensor[record.index], out);
  }
}

}  // namespace motrevix
