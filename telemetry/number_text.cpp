#include "telemetry/number_text.h"

#include <array>
#include <charconv>

namespace motrevix {
namespace {

template <typename Number, typename... Format>
std::string ToText(Number value, Format... format) {
  std::array<char, 512> text;  // room for any double in fixed notation with a few decimals
  const auto result = std::to_chars(text.data(), text.data() + text.size(), value, format...);
  if (result.ec != std::errc()) return ToText(value);
  return std::string(text.data(), result.ptr);
}

// Length of the UTF-8 sequence starting at text[i], or 0 when it is not one.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  unsigned minimum = 0;
  unsigned code = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  const bool noCharacter = code == 0xFFFE || code == 0xFFFF;
  if (code < minimum || code > 0x10FFFF || surrogate || noCharacter) return 0;
  return length;
}

}  // namespace

std::string ShortestText(double value) { return ToText(value); }

std::string ShortestSingleText(double value) { return ToText(static_cast<float>(value)); }

std::string FixedText(double value, int decimals) {
  return ToText(value, std::chars_format::fixed, decimals);
}

std::string XmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const char c = text[i];
    const std::size_t length = Utf8SequenceLength(text, i);
    if (length == 0) {
      out += '?';
      ++i;
      continue;
    }
    if (length > 1) {
      out.append(text.substr(i, length));
      i += length;
      continue;
    }
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        out +=
            static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r' ? '?' : c;
    }
    ++i;
  }
  return out;
}

}  // namespace motrevix
