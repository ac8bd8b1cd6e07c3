#include "catalog/name_field.h"

#include <cstdint>
#include <limits>

namespace motrevix::catalog {
namespace {

constexpr QChar kFieldSeparator = u'_';

bool IsConversionSpace(QChar c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool IsDecimalDigit(QChar c) { return c >= u'0' && c <= u'9'; }

QStringView FieldText(QStringView text, int field) {
  if (field < 0) return {};
  qsizetype start = 0;
  for (int n = 0; n < field; ++n) {
    const qsizetype separator = text.indexOf(kFieldSeparator, start);
    if (separator < 0) return {};
    start = separator + 1;
  }
  const qsizetype end = text.indexOf(kFieldSeparator, start);
  return end < 0 ? text.mid(start) : text.mid(start, end - start);
}

int DecimalValue(QStringView text) {
  qsizetype i = 0;
  while (i < text.size() && IsConversionSpace(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    negative = text[i] == u'-';
    ++i;
  }
  // Accumulate as a negative number so that the 32-bit minimum fits exactly.
  constexpr std::int64_t kMin = std::numeric_limits<int>::min();
  constexpr std::int64_t kMax = std::numeric_limits<int>::max();
  std::int64_t value = 0;
  for (; i < text.size() && IsDecimalDigit(text[i]); ++i) {
    value = value * 10 - (text[i].unicode() - u'0');
    if (value < kMin) value = kMin - 1;  // saturated; stays below the range
  }
  if (negative) return value < kMin ? static_cast<int>(kMin) : static_cast<int>(value);
  return -value > kMax ? static_cast<int>(kMax) : static_cast<int>(-value);
}

}  // namespace

int NameField(QStringView text, int field) { return DecimalValue(FieldText(text, field)); }

bool HasExtension(QStringView name, QStringView upperExtension) {
  const QStringView tail = name.size() < 4 ? name : name.right(4);
  if (tail.size() != upperExtension.size()) return false;
  for (qsizetype i = 0; i < tail.size(); ++i)
    if (tail[i].toUpper() != upperExtension[i]) return false;
  return true;
}

}  // namespace motrevix::catalog
