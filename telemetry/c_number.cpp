#include "telemetry/c_number.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace motrevix {
namespace {

bool IsCSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Drops the leading blanks and the sign; true when the sign was '-'.
bool TakeSign(std::string_view& text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  text.remove_prefix(i);
  return negative;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i)
    if ((text[i] | 0x20) != prefix[i]) return false;
  return true;
}

}  // namespace

int ReadTwoDigitNumber(std::string_view text) {
  text = text.substr(0, 2);
  const bool negative = TakeSign(text);
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c)) break;
    value = value * 10 + (c - '0');
  }
  return negative ? -value : value;
}

double ReadDecimalNumber(std::string_view text) {
  const bool negative = TakeSign(text);
  double value = 0;
  bool converted = true;
  if (StartsWithNoCase(text, "inf")) {
    value = std::numeric_limits<double>::infinity();
  } else if (StartsWithNoCase(text, "nan")) {
    value = std::numeric_limits<double>::quiet_NaN();
  } else {
    auto format = std::chars_format::general;
    if (StartsWithNoCase(text, "0x") && text.size() > 2 &&
        (IsDigit(text[2]) || ((text[2] | 0x20) >= 'a' && (text[2] | 0x20) <= 'f') ||
         text[2] == '.')) {
      text.remove_prefix(2);
      format = std::chars_format::hex;
    }
    // A second sign is no number; from_chars would take a '-'.
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) return 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, format);
    if (error == std::errc::result_out_of_range) {
      // Like strtod: too large gives infinity, too small gives zero.
      bool tiny = text[0] == '0' || text[0] == '.';
      for (const char* p = text.data(); p + 1 < end; ++p)
        if ((*p | 0x20) == (format == std::chars_format::hex ? 'p' : 'e')) tiny = p[1] == '-';
      value = tiny ? 0.0 : std::numeric_limits<double>::infinity();
    } else if (error != std::errc()) {
      converted = false;
    }
  }
  if (!converted) return 0;  // like strtod: no number, plain zero whatever the sign
  return negative ? -value : value;
}

}  // namespace motrevix
