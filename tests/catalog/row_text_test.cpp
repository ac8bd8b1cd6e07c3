#include "catalog/row_text.h"

#include <gtest/gtest.h>
#include <time.h>

#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace motrevix::catalog {
namespace {

constexpr std::uint64_t kKiB = 1024;

TEST(SizeText, KibibytesWithOneThousandsSeparator) {
  const struct {
    std::uint64_t bytes;
    const char* expected;
  } cases[] = {
      {0, "0"},
      {1023, "0"},
      {1024, "1"},
      {999 * kKiB + 1023, "999"},
      {1000 * kKiB, "1,000"},
      {1001 * kKiB, "1,001"},
      {1024 * kKiB, "1,024"},
      {1234567 * kKiB, "1234,567"},
      {1000005 * kKiB, "1000,005"},
      {3ULL * 1024 * 1024 * 1024, "3145,728"},
      {std::numeric_limits<std::uint64_t>::max(), "18014398509481,983"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.bytes));
    EXPECT_EQ(SizeText(c.bytes).toStdString(), c.expected);
  }
}

// Sets the time zone for one test and puts the previous one back.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) m_strOld = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (m_strOld)
      setenv("TZ", m_strOld->c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::optional<std::string> m_strOld;
};

TEST(DateText, LocalCalendarDateWithTheYearMod2000) {
  const struct {
    const char* zone;
    std::optional<std::int64_t> time;
    const char* expected;
  } cases[] = {
      {"UTC0", 1345032000, "12.08.15"},    // 2012-08-15 12:00 UTC
      {"UTC0", 946684800, "00.01.01"},     // 2000-01-01 00:00 UTC
      {"UTC0", 946684799, "1999.12.31"},   // the year is not clamped
      {"UTC0", 4260211200, "105.01.01"},   // 2105-01-01
      {"UTC0", 946652400, "1999.12.31"},   // 1999-12-31 15:00 UTC ...
      {"JST-9", 946652400, "00.01.01"},    // ... is already 2000 in Korean/Japanese time
      {"EST5", 946684800, "1999.12.31"},   // and still 1999 in New York
      {"UTC0", std::nullopt, "00.00.00"},  // no time stamp at all
      {"UTC0", std::numeric_limits<std::int64_t>::max(), "00.00.00"},  // does not convert
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.zone) + " " + (c.time ? std::to_string(*c.time) : "none"));
    ScopedTimeZone zone(c.zone);
    EXPECT_EQ(DateText(c.time).toStdString(), c.expected);
  }
}

}  // namespace
}  // namespace motrevix::catalog
