// The parser's number reading against the C library itself as the oracle.
#include "telemetry/c_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace motrevix {
namespace {

TEST(CNumberTest, TwoCharacterNumbersReadLikeAtoiOfTheFirstTwoCharacters) {
  for (const char* text : {"12", "123456", " 7", "  9", "-5", "+3", "-", "+", "", "a1", "1a", "09",
                           "\t4", "--1", "+-1", "99x"}) {
    SCOPED_TRACE(std::string("'") + text + "'");
    const std::string firstTwo = std::string(text).substr(0, 2);
    EXPECT_EQ(ReadTwoDigitNumber(text), std::atoi(firstTwo.c_str()));
  }
}

TEST(CNumberTest, DecimalFieldsReadLikeStrtod) {
  for (const char* text :
       {"3733.1234", "12658.5678", "0.0", "",    "abc",       "  +12.5e1x", "-7.25",
        ".5",        "5.",         "1e",  "1e+", "1e-2",      "0x1p4",      "0x1.8",
        "0X1F",      "0x",         "0xg", "inf", "-Infinity", "1e400",      "-1e400",
        "1e-400",    "00012.500",  "- 5", "+-5", "12,5",      "1.2.3",      "\v\f 42"}) {
    SCOPED_TRACE(std::string("'") + text + "'");
    const double expected = std::strtod(text, nullptr);
    const double actual = ReadDecimalNumber(text);
    if (std::isnan(expected)) {
      EXPECT_TRUE(std::isnan(actual));
    } else {
      EXPECT_EQ(actual, expected);
      EXPECT_EQ(std::signbit(actual), std::signbit(expected));
    }
  }
  EXPECT_TRUE(std::isnan(ReadDecimalNumber("nan")));
}

TEST(CNumberTest, OnlyTheGivenCharactersAreRead) {
  const std::string text = "37.5,12";
  EXPECT_EQ(ReadDecimalNumber(std::string_view(text).substr(0, 2)), 37.0);
  EXPECT_EQ(ReadTwoDigitNumber(std::string_view(text).substr(5, 1)), 1);
}

TEST(CNumberTest, DecimalPointDoesNotFollowTheProcessLocale) {
  const char* previous = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous ? previous : "C";
  bool found = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"})
    if (std::setlocale(LC_NUMERIC, name) != nullptr) {
      found = true;
      break;
    }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma is installed";
  EXPECT_EQ(ReadDecimalNumber("3733.1234"), 3733.1234);
  std::setlocale(LC_NUMERIC, saved.c_str());
}

}  // namespace
}  // namespace motrevix
