#include "catalog/row_text.h"

#include <time.h>

#include <cstdio>

namespace motrevix::catalog {

QString SizeText(std::uint64_t sizeInBytes) {
  const std::uint64_t kib = sizeInBytes / 1024;
  const std::uint64_t thousands = kib / 1000;
  const std::uint64_t rest = kib % 1000;
  char text[48];
  if (thousands > 0)
    std::snprintf(text, sizeof text, "%llu,%03llu", static_cast<unsigned long long>(thousands),
                  static_cast<unsigned long long>(rest));
  else
    std::snprintf(text, sizeof text, "%llu", static_cast<unsigned long long>(kib));
  return QString::fromLatin1(text);
}

QString DateText(std::optional<std::int64_t> secondsSinceEpoch) {
  int year = 0;
  int month = 0;
  int day = 0;
  if (secondsSinceEpoch) {
    const time_t time = static_cast<time_t>(*secondsSinceEpoch);
    struct tm local {};
    if (localtime_r(&time, &local) != nullptr) {
      year = (local.tm_year + 1900) % 2000;
      month = local.tm_mon + 1;
      day = local.tm_mday;
    }
  }
  char text[48];
  std::snprintf(text, sizeof text, "%02d.%02d.%02d", year, month, day);
  return QString::fromLatin1(text);
}

}  // namespace motrevix::catalog
