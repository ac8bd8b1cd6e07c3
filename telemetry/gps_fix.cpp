#include "telemetry/gps_fix.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace motrevix {
namespace {

constexpr int kDisplayHourShift = 9;

}  // namespace

std::optional<double> DegreesFromDegreesMinutes(double degreesMinutes) {
  if (!std::isfinite(degreesMinutes)) return std::nullopt;
  const double magnitude = std::fabs(degreesMinutes);
  const double degrees = std::floor(magnitude / 100.0);
  const double minutes = magnitude - degrees * 100.0;
  if (minutes >= 60.0) return std::nullopt;
  const double value = degrees + minutes / 60.0;
  return degreesMinutes < 0 ? -value : value;
}

std::optional<UtcTime> FixUtcTime(const CGPSData& gps) {
  if (gps.m_nYear < 0 || gps.m_nYear > 99) return std::nullopt;
  UtcTime time;
  time.year = 1900 + (gps.m_nYear + 30) % 100 + 70;  // 70..99 -> 19xx, 0..69 -> 20xx
  time.month = gps.m_nMonth;
  time.day = gps.m_nDay;
  time.hour = gps.m_nHour - kDisplayHourShift;
  time.minute = gps.m_nMinute;
  time.second = gps.m_nSecond;
  using namespace std::chrono;
  if (time.month < 1 || time.month > 12 || time.day < 1 || time.day > 31) return std::nullopt;
  const year_month_day date{year{time.year}, month{static_cast<unsigned>(time.month)},
                            day{static_cast<unsigned>(time.day)}};
  if (!date.ok()) return std::nullopt;
  if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59 || time.second < 0 ||
      time.second > 59)
    return std::nullopt;
  return time;
}

std::string IsoUtcText(const UtcTime& time) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", time.year, time.month,
                time.day, time.hour, time.minute, time.second);
  return text;
}

std::optional<GeoPosition> FixPosition(const CGPSData& gps) {
  if (gps.m_bValid != 1) return std::nullopt;
  const auto latitude = DegreesFromDegreesMinutes(gps.m_dLatitude);
  const auto longitude = DegreesFromDegreesMinutes(gps.m_dLongitude);
  if (!latitude || !longitude || std::fabs(*latitude) > 90.0 || std::fabs(*longitude) > 180.0)
    return std::nullopt;
  // 180 degrees east is 180 degrees west; GPX takes -180 <= longitude < 180.
  return GeoPosition{*latitude, *longitude == 180.0 ? -180.0 : *longitude};
}

}  // namespace motrevix
