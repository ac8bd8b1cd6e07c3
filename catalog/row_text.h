#pragma once
// Texts of the size and date columns of a file-list row.

#include <QString>
#include <cstdint>
#include <optional>

namespace motrevix::catalog {

// Size in KiB (rounded down) with one thousands separator at most:
// 1023 bytes "0", 999 KiB "999", 1024 KiB "1,024", 3 GiB "3145,728".
QString SizeText(std::uint64_t sizeInBytes);

// Local calendar date of a time (seconds since the epoch) as "YY.MM.DD" with
// the year taken mod 2000 and not clamped (1999 gives "1999.12.31", 2105 gives
// "105.01.01"). A time that cannot be converted, or none, gives "00.00.00".
QString DateText(std::optional<std::int64_t> secondsSinceEpoch);

}  // namespace motrevix::catalog
