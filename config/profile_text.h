#pragma once
// Profile (INI) text as the owner file uses it: "[Section]" lines followed by
// "Key=Value" lines. Section and key names match without regard to case, blanks
// around names and values are ignored, and lines starting with ';' are comments.
// Writing changes or adds one line and keeps every other line of the text as it was.

#include <optional>
#include <string>
#include <string_view>

namespace motrevix::config {

// The value of a key, or nothing when the section or key is missing. A value in
// matching quotes is returned without them.
std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// The text with the key set to value: its line replaced when present, otherwise
// added at the end of the section, or a new section at the end of the text. New
// lines end like the text's first line (CRLF for a new text).
std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value);

}  // namespace motrevix::config
