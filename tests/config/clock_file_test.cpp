// The clock line of Date_Time.cfg.
#include "config/clock_file.h"

#include <gtest/gtest.h>

namespace motrevix::config {
namespace {

TEST(ConfigClockLine, FormatsDateAndTimeAndMarksUnusablePickers) {
  const struct {
    std::optional<CalendarDate> date;
    std::optional<ClockTime> time;
    const char* line;
  } cases[] = {
      {CalendarDate{2011, 3, 5}, ClockTime{14, 7, 9}, "2011.03.05.14.07.09"},
      {CalendarDate{2024, 2, 29}, ClockTime{0, 0, 0}, "2024.02.29.00.00.00"},
      {CalendarDate{999, 12, 31}, ClockTime{23, 59, 59}, "0999.12.31.23.59.59"},
      {std::nullopt, ClockTime{1, 2, 3}, "-001.-1.-1.01.02.03"},
      {CalendarDate{2023, 2, 29}, ClockTime{1, 2, 3}, "-001.-1.-1.01.02.03"},
      {CalendarDate{2011, 3, 5}, ClockTime{24, 0, 0}, "2011.03.05.-1.-1.-1"},
      {CalendarDate{2011, 3, 5}, std::nullopt, "2011.03.05.-1.-1.-1"},
  };
  for (const auto& c : cases) EXPECT_EQ(ClockLine(c.date, c.time), c.line);
}

}  // namespace
}  // namespace motrevix::config
