#include "catalog/file_name_text.h"

#include <cstdint>

namespace motrevix::catalog {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// The length of the valid UTF-8 sequence at the start of `bytes` and its code point,
// or 0 when the first byte starts none (overlong forms, surrogates and code points
// above U+10FFFF are not valid).
std::size_t ValidSequence(std::string_view bytes, char32_t& codePoint) {
  const auto byte = [&bytes](std::size_t i) { return static_cast<std::uint8_t>(bytes[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  char32_t minimum = 0;
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, codePoint = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, codePoint = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, codePoint = lead & 0x07;
  } else {
    return 0;
  }
  if (bytes.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    codePoint = (codePoint << 6) | (byte(i) & 0x3F);
  }
  if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
    return 0;
  return length;
}

void AppendUtf8(QByteArray& out, char32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

}  // namespace

int EscapedByte(QChar character) {
  const char16_t unit = character.unicode();
  return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF ? unit - kEscapeBase : -1;
}

QString FileNameText(std::string_view bytes) {
  QString text;
  text.reserve(static_cast<qsizetype>(bytes.size()));
  while (!bytes.empty()) {
    char32_t codePoint = 0;
    const std::size_t length = ValidSequence(bytes, codePoint);
    if (length == 0) {
      text += QChar(static_cast<char16_t>(kEscapeBase + static_cast<std::uint8_t>(bytes[0])));
      bytes.remove_prefix(1);
      continue;
    }
    if (codePoint >= 0x10000) {
      text += QChar(QChar::highSurrogate(codePoint));
      text += QChar(QChar::lowSurrogate(codePoint));
    } else {
      text += QChar(static_cast<char16_t>(codePoint));
    }
    bytes.remove_prefix(length);
  }
  return text;
}

QByteArray FileNameBytes(QStringView text) {
  QByteArray bytes;
  bytes.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar unit = text[i];
    if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      AppendUtf8(bytes, QChar::surrogateToUcs4(unit, text[i + 1]));
      ++i;
    } else if (const int escaped = EscapedByte(unit); escaped >= 0) {
      bytes += static_cast<char>(escaped);
    } else if (unit.isSurrogate()) {
      AppendUtf8(bytes, QChar::ReplacementCharacter);  // no name makes such text
    } else {
      AppendUtf8(bytes, unit.unicode());
    }
  }
  return bytes;
}

}  // namespace motrevix::catalog
