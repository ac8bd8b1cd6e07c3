// JSON: the two arrays of the container, each sample with its members, plus
// decimal degrees and the UTC time of valid fixes. Numbers that JSON cannot hold
// (infinity, NaN) are null.
#include <cmath>

#include "telemetry/gps_fix.h"
#include "telemetry/number_text.h"
#include "telemetry/telemetry_export.h"

namespace motrevix {
namespace {

std::string JsonNumber(double value, bool single = false) {
  if (!std::isfinite(value)) return "null";
  return single ? ShortestSingleText(value) : ShortestText(value);
}

void WriteGps(const CGPSData& g, std::ostream& out) {
  out << "{\"time_ms\":" << StampMs(g.m_nTimeMs) << ",\"valid\":" << g.m_bValid
      << ",\"year\":" << g.m_nYear << ",\"month\":" << g.m_nMonth << ",\"day\":" << g.m_nDay
      << ",\"hour\":" << g.m_nHour << ",\"minute\":" << g.m_nMinute << ",\"second\":" << g.m_nSecond
      << ",\"latitude_ddmm\":" << JsonNumber(g.m_dLatitude)
      << ",\"longitude_dddmm\":" << JsonNumber(g.m_dLongitude)
      << ",\"speed_kmh\":" << JsonNumber(g.m_dSpeed, true)
      << ",\"course_deg\":" << JsonNumber(g.m_dCourse, true) << ",\"time_t\":" << g.m_tTime;
  const auto position = FixPosition(g);
  out << ",\"latitude_deg\":" << (position ? FixedText(position->latitude, 8) : "null")
      << ",\"longitude_deg\":" << (position ? FixedText(position->longitude, 8) : "null");
  const auto time = FixUtcTime(g);
  out << ",\"utc_time\":" << (time ? '"' + IsoUtcText(*time) + '"' : std::string("null")) << '}';
}

void WriteGSensor(const CGSensorData& m, std::ostream& out) {
  out << "{\"time_ms\":" << StampMs(m.m_nTimeMs) << ",\"x\":" << m.m_nX << ",\"y\":" << m.m_nY
      << ",\"z\":" << m.m_nZ << '}';
}

template <typename Sample, typename Writer>
void WriteArray(const std::vector<Sample>& samples, Writer write, std::ostream& out) {
  out << '[';
  for (std::size_t i = 0; i < samples.size(); ++i) {
    out << (i == 0 ? "\n    " : ",\n    ");
    write(samples[i], out);
  }
  out << (samples.empty() ? "]" : "\n  ]");
}

}  // namespace

void WriteTelemetryJson(const CTextData& data, std::ostream& out) {
  out << "{\n  \"gps_count\": " << data.m_aGPS.size()
      << ",\n  \"gsensor_count\": " << data.m_aGSensor.size() << ",\n  \"gps\": ";
  WriteArray(data.m_aGPS, WriteGps, out);
  out << ",\n  \"gsensor\": ";
  WriteArray(data.m_aGSensor, WriteGSensor, out);
  out << "\n}\n";
}

}  // namespace motrevix
