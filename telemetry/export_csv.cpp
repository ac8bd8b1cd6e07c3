// CSV (RFC 4180 with CRLF line ends): one row per record in time order, every
// member of the sample, plus decimal degrees and the UTC time of valid fixes.
#include "telemetry/gps_fix.h"
#include "telemetry/number_text.h"
#include "telemetry/telemetry_export.h"

namespace motrevix {
namespace {

constexpr const char* kCsvHeader =
    "kind,time_ms,x,y,z,valid,year,month,day,hour,minute,second,latitude_ddmm,longitude_dddmm,"
    "speed_kmh,course_deg,time_t,latitude_deg,longitude_deg,utc_time\r\n";

void WriteGpsRow(const CGPSData& g, std::ostream& out) {
  out << "G," << StampMs(g.m_nTimeMs) << ",,,," << g.m_bValid << ',' << g.m_nYear << ','
      << g.m_nMonth << ',' << g.m_nDay << ',' << g.m_nHour << ',' << g.m_nMinute << ','
      << g.m_nSecond << ',' << ShortestText(g.m_dLatitude) << ',' << ShortestText(g.m_dLongitude)
      << ',' << ShortestSingleText(g.m_dSpeed) << ',' << ShortestSingleText(g.m_dCourse) << ','
      << g.m_tTime << ',';
  if (const auto position = FixPosition(g))
    out << FixedText(position->latitude, 8) << ',' << FixedText(position->longitude, 8);
  else
    out << ',';
  out << ',';
  if (const auto time = FixUtcTime(g)) out << IsoUtcText(*time);
  out << "\r\n";
}

void WriteGSensorRow(const CGSensorData& m, std::ostream& out) {
  out << "M," << StampMs(m.m_nTimeMs) << ',' << m.m_nX << ',' << m.m_nY << ',' << m.m_nZ
      << ",,,,,,,,,,,,,,,\r\n";
}

}  // namespace

void WriteTelemetryCsv(const CTextData& data, std::ostream& out) {
  out << kCsvHeader;
  for (const TelemetryRecordRef& record : RecordsInTimeOrder(data)) {
    if (record.kind == TelemetryRecordRef::Kind::kGps)
      WriteGpsRow(data.m_aGPS[record.index], out);
    else
      WriteGSensorRow(data.m_aGSensor[record.index], out);
  }
}

}  // namespace motrevix
