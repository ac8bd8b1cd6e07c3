#pragma once
// Number reading with the C library's rules for what counts as a number
// (leading blanks, optional sign, digits up to the first other character, 0 when
// there are none), but independent of the process's locale.

#include <string_view>

namespace motrevix {

// Like atoi on a copy of at most the first two characters of text.
int ReadTwoDigitNumber(std::string_view text);

// Like strtod/atof on text: decimal and hexadecimal forms, inf and nan; the
// decimal point is always '.'.
double ReadDecimalNumber(std::string_view text);

}  // namespace motrevix
