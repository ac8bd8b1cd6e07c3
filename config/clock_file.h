#pragma once
// Date_Time.cfg: one line, no line end, "%04d.%02d.%02d.%02d.%02d.%02d" of the date
// and time the camera's clock is to be set to.

#include <optional>
#include <string>

namespace motrevix::config {

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

struct ClockTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The clock line from the date picker and the time picker; a picker whose value is
// not a valid date or time writes -1 for each of its components.
std::string ClockLine(const std::optional<CalendarDate>& date,
                      const std::optional<ClockTime>& time);

bool IsValidDate(const CalendarDate& date);
bool IsValidTime(const ClockTime& time);

}  // namespace motrevix::config
