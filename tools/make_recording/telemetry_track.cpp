#include "tools/make_recording/telemetry_track.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace motrevix::gen {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kCameraUtcOffsetSeconds = 9 * 3600;

struct Fix {
  double latitude;   // degrees, north positive
  double longitude;  // degrees, east positive
  double speedKmh;
  double courseDeg;
};

std::string DegreesMinutes(double degrees, int degreeDigits) {
  const double magnitude = std::fabs(degrees);
  const int whole = static_cast<int>(magnitude);
  const double minutes = (magnitude - whole) * 60.0;
  char text[32];
  std::snprintf(text, sizeof text, "%0*d%07.4f", degreeDigits, whole, minutes);
  return text;
}

std::string GpsRecord(const CivilTime& utc, const Fix* fix) {
  char time[16];
  std::snprintf(time, sizeof time, "%02d%02d%02d.000", utc.hour, utc.minute, utc.second);
  char date[8];
  std::snprintf(date, sizeof date, "%02d%02d%02d", utc.day, utc.month, utc.year % 100);
  if (fix == nullptr) return std::string("G,") + time + ",V,,,,,0.0,0.0," + date;
  char numbers[32];
  std::snprintf(numbers, sizeof numbers, "%.1f,%.1f", fix->speedKmh / 1.852, fix->courseDeg);
  return std::string("G,") + time + ",A," + DegreesMinutes(fix->latitude, 2) + "," +
         (fix->latitude >= 0 ? "N" : "S") + "," + DegreesMinutes(fix->longitude, 3) + "," +
         (fix->longitude >= 0 ? "E" : "W") + "," + numbers + "," + date;
}

int Clamp(int value) { return std::clamp(value, -127, 128); }

}  // namespace

std::uint8_t GSensorRaw(int value) { return static_cast<std::uint8_t>((128 - value) & 0xFF); }

std::vector<TelemetryRecord> MakeTelemetry(const CivilTime& cameraStart, int seconds,
                                           const std::vector<int>& bumpsMs) {
  std::vector<TelemetryRecord> records;
  const std::int64_t utcStart = ToEpochSeconds(cameraStart) - kCameraUtcOffsetSeconds;
  const int lostFrom = seconds * 2 / 5;
  const int lostUntil = seconds >= 5 ? lostFrom + std::max(1, seconds / 6) : lostFrom;
  const std::vector<double> bumps = bumpsMs.empty()
                                        ? std::vector<double>{seconds * 600.0}
                                        : std::vector<double>(bumpsMs.begin(), bumpsMs.end());

  Fix fix{37.5520, 126.9760, 0.0, 90.0};
  for (int second = 0; second < seconds; ++second) {
    // Speed rises from standstill, then swings between about 15 and 75 km/h.
    const double t = second;
    fix.speedKmh = std::min(t * 9.0, 45.0 + 30.0 * std::sin(2 * kPi * t / 60.0));
    fix.speedKmh = std::max(0.0, fix.speedKmh);
    fix.courseDeg = std::fmod(90.0 + 40.0 * std::sin(2 * kPi * t / 90.0) + 360.0, 360.0);
    const CivilTime utc = FromEpochSeconds(utcStart + second);
    const bool lost = second >= lostFrom && second < lostUntil;
    records.push_back({second * 1000LL, GpsRecord(utc, lost ? nullptr : &fix)});

    for (int tenth = 0; tenth < 10; ++tenth) {
      const std::int64_t ms = second * 1000LL + tenth * 100 + 50;
      const double s = ms / 1000.0;
      int x = static_cast<int>(std::lround(4 * std::sin(s * 1.3)));
      int y = static_cast<int>(std::lround(3 * std::cos(s * 0.7)));
      int z = 64 + static_cast<int>(std::lround(2 * std::sin(s * 5.0)));
      if (std::any_of(bumps.begin(), bumps.end(),
                      [ms](double bumpMs) { return std::fabs(ms - bumpMs) < 160; })) {
        x += 90;
        y -= 70;
        z += 60;
      }
      std::string bytes = "M";
      bytes += static_cast<char>(GSensorRaw(Clamp(x)));
      bytes += static_cast<char>(GSensorRaw(Clamp(y)));
      bytes += static_cast<char>(GSensorRaw(Clamp(z)));
      records.push_back({ms, bytes});
    }

    // Move on along the course for one second.
    const double metres = fix.speedKmh / 3.6;
    const double course = fix.courseDeg * kPi / 180.0;
    fix.latitude += metres * std::cos(course) / 111320.0;
    fix.longitude += metres * std::sin(course) / (111320.0 * std::cos(fix.latitude * kPi / 180.0));
  }
  std::stable_sort(records.begin(), records.end(),
                   [](const auto& a, const auto& b) { return a.timeMs < b.timeMs; });
  return records;
}

}  // namespace motrevix::gen
