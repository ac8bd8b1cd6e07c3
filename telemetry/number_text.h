#pragma once
// Numbers and text for the export formats, independent of the process's locale.

#include <string>
#include <string_view>

namespace motrevix {

// Shortest text that reads back as the same double ("3733.1234", "inf", "nan").
std::string ShortestText(double value);
// The same for a value that holds single precision (speed, course): "18.52".
std::string ShortestSingleText(double value);
// Fixed number of decimals: FixedText(37.552, 3) == "37.552".
std::string FixedText(double value, int decimals);

// Text made safe for XML character data and attribute values: markup characters
// escaped, characters XML cannot hold and bytes that are not UTF-8 replaced by '?'.
std::string XmlEscaped(std::string_view text);

}  // namespace motrevix
