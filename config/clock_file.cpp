#include "config/clock_file.h"

#include <cstdio>

namespace motrevix::config {

bool IsValidDate(const CalendarDate& date) {
  if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1)
    return false;
  static constexpr int kDaysInMonth[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (date.year % 4 == 0 && date.year % 100 != 0) || date.year % 400 == 0;
  const int days = kDaysInMonth[date.month - 1] + (date.month == 2 && leap ? 1 : 0);
  return date.day <= days;
}

bool IsValidTime(const ClockTime& time) {
  return time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60 &&
         time.second >= 0 && time.second < 60;
}

std::string ClockLine(const std::optional<CalendarDate>& date,
                      const std::optional<ClockTime>& time) {
  const bool dateUsable = date && IsValidDate(*date);
  const bool timeUsable = time && IsValidTime(*time);
  const CalendarDate d = dateUsable ? *date : CalendarDate{-1, -1, -1};
  const ClockTime t = timeUsable ? *time : ClockTime{-1, -1, -1};
  char line[64];
  std::snprintf(line, sizeof line, "%04d.%02d.%02d.%02d.%02d.%02d", d.year, d.month, d.day, t.hour,
                t.minute, t.second);
  return line;
}

}  // namespace motrevix::config
