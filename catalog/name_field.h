#pragma once
// Reading a recording's file name: the underscore-separated date fields and the
// extension test.
//
// PREFIX_YYYY_MM_DD_HH_MM_... : field 0 is the prefix, 1 the year, 2 the month,
// 3 the day, 4 the hour, 5 the minute; later fields are not read.

#include <QStringView>

namespace motrevix::catalog {

inline constexpr int kYearField = 1;
inline constexpr int kMonthField = 2;
inline constexpr int kDayField = 3;
inline constexpr int kHourField = 4;
inline constexpr int kMinuteField = 5;

inline constexpr QStringView kAviExtension = u".AVI";
inline constexpr QStringView kMp4Extension = u".MP4";

// Integer value of underscore field `field` of `text` (numbered from 0; the last
// field runs to the end of the text; a field past the last underscore is empty).
// Read like a decimal text-to-integer conversion: leading white space skipped, an
// optional sign, then the longest run of decimal digits; no digits reads 0.
// Values beyond the 32-bit range saturate.
int NameField(QStringView text, int field);

// True when the last four characters of `name` (the whole name when it is
// shorter), upper-cased, equal `upperExtension` (such as ".AVI").
bool HasExtension(QStringView name, QStringView upperExtension);

}  // namespace motrevix::catalog
