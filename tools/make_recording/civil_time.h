#pragma once
// Calendar arithmetic without time zones: the generator works in the camera's
// clock and in UTC by plain offsets.

#include <cstdint>
#include <optional>
#include <string>

namespace motrevix::gen {

struct CivilTime {
  int year = 2024, month = 5, day = 17, hour = 8, minute = 31, second = 5;
};

// Days since 1970-01-01 of a proleptic Gregorian date.
std::int64_t DaysFromCivil(int year, int month, int day);
std::int64_t ToEpochSeconds(const CivilTime& t);
CivilTime FromEpochSeconds(std::int64_t seconds);

// "YYYY-MM-DD HH:MM:SS"; nothing when the text is not such a time.
std::optional<CivilTime> ParseCivilTime(const std::string& text);

}  // namespace motrevix::gen
