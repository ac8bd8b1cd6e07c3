#pragma once
// Calling a function of the map page from a command text such as
// "javascript:DrawCurrent('37.512345', '127.012345')": the text is read into a
// function name and string arguments, and the page is handed a script that
// calls that function with them. Name and arguments enter the script only as
// JSON string literals, so no text of a command ever runs as script.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace motrevix {

struct ScriptCall {
  std::string function;
  std::vector<std::string> arguments;

  bool operator==(const ScriptCall&) const = default;
};

// Reads a command text: what follows the first "javascript:" (all of it when
// there is none); the name is the text before the first "(", trimmed; the
// arguments are the tokens after it, split at space, comma, quotes, tab,
// parentheses and semicolon, empty tokens dropped. None for an empty text or
// an empty name.
std::optional<ScriptCall> ParseScriptCommand(std::string_view command);

// A script expression that calls the page's own global function of that name
// with the arguments as strings and evaluates to its result as text: "" when
// the page has no such function of its own (browser built-ins such as eval are
// not called), when the function returns nothing or when it throws (the error
// then goes to the page's console, not to the user).
std::string ScriptCallSource(const ScriptCall& call);

// text as a JSON string literal (quotes, backslashes, control characters and
// the line and paragraph separators escaped), usable in script source.
std::string JsonStringLiteral(std::string_view text);

}  // namespace motrevix
