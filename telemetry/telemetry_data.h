#pragma once
// The telemetry of one recording: its G-sensor and GPS samples in arrival order,
// each stamped with its time on the recording's timeline in milliseconds.

#include <cstdint>
#include <vector>

namespace motrevix {

// One G-sensor sample; each axis is -127..128.
class CGSensorData {
 public:
  std::int32_t m_nX = 0;
  std::int32_t m_nY = 0;
  std::int32_t m_nZ = 0;
  std::int32_t m_nTimeMs = 0;
};

// One GPS sample, as the record wrote it. The hour carries the camera's +9 hour
// display shift (0..32, not wrapped); positions are ddmm.mmmm / dddmm.mmmm with
// south and west negative; speed is km/h and speed and course hold single
// precision values.
class CGPSData {
 public:
  std::int32_t m_nYear = 0;  // two digits as written
  std::int32_t m_nMonth = 0;
  std::int32_t m_nDay = 0;
  std::int32_t m_nHour = 0;
  std::int32_t m_nMinute = 0;
  std::int32_t m_nSecond = 0;
  std::int32_t m_bValid = 0;  // 1 for a valid fix (status A)
  double m_dLatitude = 0;
  double m_dLongitude = 0;
  double m_dSpeed = 0;
  double m_dCourse = 0;
  std::int64_t m_tTime = 0;  // local-time seconds since 1970 of the shifted time; 0 if incomplete
  std::int32_t m_nTimeMs = 0;
};

class CTextData {
 public:
  std::vector<CGSensorData> m_aGSensor;
  std::vector<CGPSData> m_aGPS;

  void RemoveAll() {
    m_aGSensor.clear();
    m_aGPS.clear();
  }
};

}  // namespace motrevix
