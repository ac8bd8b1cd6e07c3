#include "telemetry/record_parser.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <ctime>

#include "telemetry/c_number.h"

namespace motrevix {
namespace {

constexpr std::uint8_t kGSensorKind = 'M';
constexpr std::uint8_t kGpsKind = 'G';
constexpr int kDisplayHourShift = 9;
constexpr double kKmhPerKnot = 1.852;

// Fields of a 'G' record: leading commas are skipped, then every comma ends one
// field. Text after the last comma is the last field when it is not empty; a
// field that is not there is missing.
class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : text_(text) {
    pos_ = std::min(text_.find_first_not_of(','), text_.size());
  }

  bool Next(std::string_view& field) {
    if (pos_ >= text_.size()) return false;
    const std::size_t comma = text_.find(',', pos_);
    const std::size_t end = comma == std::string_view::npos ? text_.size() : comma;
    field = text_.substr(pos_, end - pos_);
    pos_ = comma == std::string_view::npos ? text_.size() : comma + 1;
    return true;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The two characters of a field from offset on (fewer when the field is shorter).
int TwoDigitsAt(std::string_view field, std::size_t offset) {
  return ReadTwoDigitNumber(field.substr(std::min(offset, field.size())));
}

bool StartsWith(std::string_view field, char letter) {
  return !field.empty() && field.front() == letter;
}

double SinglePrecision(double value) { return static_cast<float>(value); }

// Seconds since 1970 of the fix's shifted date and time read as local time;
// out-of-range parts (hour 27) roll over into the next unit.
std::int64_t LocalSeconds(const CGPSData& gps) {
  std::tm broken{};
  broken.tm_year = (gps.m_nYear + 30) % 100 + 70;  // 70..99 -> 1970..1999, 0..69 -> 2000..2069
  broken.tm_mon = gps.m_nMonth - 1;
  broken.tm_mday = gps.m_nDay;
  broken.tm_hour = gps.m_nHour;
  broken.tm_min = gps.m_nMinute;
  broken.tm_sec = gps.m_nSecond;
  broken.tm_isdst = -1;  // the zone's rules decide whether daylight saving applies
  return static_cast<std::int64_t>(std::mktime(&broken));
}

// Fills the sample field by field and stops at the first missing one.
void DecodeGpsFields(std::string_view text, CGPSData& gps) {
  FieldReader fields(text);
  std::string_view field;
  if (!fields.Next(field)) return;  // the record's letter
  if (!fields.Next(field)) return;
  gps.m_nHour = TwoDigitsAt(field, 0) + kDisplayHourShift;
  gps.m_nMinute = TwoDigitsAt(field, 2);
  gps.m_nSecond = TwoDigitsAt(field, 4);
  if (!fields.Next(field)) return;
  gps.m_bValid = StartsWith(field, 'A') ? 1 : 0;
  if (!fields.Next(field)) return;
  gps.m_dLatitude = ReadDecimalNumber(field);
  if (!fields.Next(field)) return;
  if (!StartsWith(field, 'N')) gps.m_dLatitude = -gps.m_dLatitude;
  if (!fields.Next(field)) return;
  gps.m_dLongitude = ReadDecimalNumber(field);
  if (!fields.Next(field)) return;
  if (!StartsWith(field, 'E')) gps.m_dLongitude = -gps.m_dLongitude;
  if (!fields.Next(field)) return;
  gps.m_dSpeed = SinglePrecision(ReadDecimalNumber(field) * kKmhPerKnot);
  if (!fields.Next(field)) return;
  gps.m_dCourse = SinglePrecision(ReadDecimalNumber(field));
  if (!fields.Next(field)) return;
  gps.m_nDay = TwoDigitsAt(field, 0);
  gps.m_nMonth = TwoDigitsAt(field, 2);
  gps.m_nYear = TwoDigitsAt(field, 4);
  gps.m_tTime = LocalSeconds(gps);
}

// The raw byte holds 128 - value: (raw XOR 0xFF) - 127.
std::int32_t GSensorValue(std::uint8_t raw) { return static_cast<std::int32_t>(raw ^ 0xFF) - 127; }

}  // namespace

void ParseRecord(std::int32_t timestampMs, std::span<const std::uint8_t> record, CTextData& data) {
  // A private, zero-filled copy: bytes a short record lacks read as zero.
  std::array<char, kRecordCopyBytes> copy{};
  std::memcpy(copy.data(), record.data(), std::min(record.size(), copy.size()));
  const auto kind = static_cast<std::uint8_t>(copy[0]);

  if (kind == kGSensorKind) {
    CGSensorData sample;
    sample.m_nX = GSensorValue(static_cast<std::uint8_t>(copy[1]));
    sample.m_nY = GSensorValue(static_cast<std::uint8_t>(copy[2]));
    sample.m_nZ = GSensorValue(static_cast<std::uint8_t>(copy[3]));
    sample.m_nTimeMs = timestampMs;
    data.m_aGSensor.push_back(sample);
    return;
  }
  if (kind != kGpsKind) return;

  std::string_view text(copy.data(), copy.size());
  const std::size_t end = text.find('\0');
  if (end != std::string_view::npos) {
    text = text.substr(0, end);
  } else {
    // No end within the copy: the text was cut, so its last field may be partial.
    const std::size_t lastComma = text.rfind(',');
    text = text.substr(0, lastComma == std::string_view::npos ? 0 : lastComma + 1);
  }
  CGPSData sample;
  DecodeGpsFields(text, sample);
  sample.m_nTimeMs = timestampMs;
  data.m_aGPS.push_back(sample);
}

}  // namespace motrevix
