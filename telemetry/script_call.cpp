#include "telemetry/script_call.h"

#include <cstdio>

namespace motrevix {
namespace {

constexpr std::string_view kScheme = "javascript:";
constexpr std::string_view kSeparators = " ,'\"\t();";
constexpr std::string_view kWhiteSpace = " \t\r\n\v\f";

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(kWhiteSpace);
  return text.substr(first, last - first + 1);
}

// The call's script: the function must be the page's own (an own property of
// the window that is not native code), so a command cannot reach eval,
// setTimeout and the like.
constexpr std::string_view kCallTemplateStart =
    "(function (name, args) {"
    " try {"
    " if (!Object.prototype.hasOwnProperty.call(window, name)) return '';"
    " var f = window[name];"
    " if (typeof f !== 'function') return '';"
    " if (/\\{\\s*\\[native code\\]\\s*\\}\\s*$/.test(Function.prototype.toString.call(f)))"
    " return '';"
    " var r = f.apply(window, args);"
    " return r === undefined || r === null ? '' : String(r);"
    " } catch (e) { console.error('page function ' + name + ' failed: ' + e); return ''; }"
    " })(";

}  // namespace

std::optional<ScriptCall> ParseScriptCommand(std::string_view command) {
  if (command.empty()) return std::nullopt;
  if (const auto at = command.find(kScheme); at != std::string_view::npos)
    command.remove_prefix(at + kScheme.size());
  const auto open = command.find('(');
  ScriptCall call;
  call.function = std::string(Trimmed(command.substr(0, open)));
  if (call.function.empty()) return std::nullopt;
  if (open == std::string_view::npos) return call;
  std::string_view rest = command.substr(open + 1);
  while (!rest.empty()) {
    const auto start = rest.find_first_not_of(kSeparators);
    if (start == std::string_view::npos) break;
    rest.remove_prefix(start);
    const auto end = rest.find_first_of(kSeparators);
    call.arguments.emplace_back(rest.substr(0, end));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end);
  }
  return call;
}

std::string ScriptCallSource(const ScriptCall& call) {
  std::string source(kCallTemplateStart);
  source += JsonStringLiteral(call.function);
  source += ", [";
  for (std::size_t i = 0; i < call.arguments.size(); ++i) {
    if (i > 0) source += ", ";
    source += JsonStringLiteral(call.arguments[i]);
  }
  source += "])";
  return source;
}

std::string JsonStringLiteral(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else if (c == 0xE2 && i + 2 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) == 0x80 &&
               (static_cast<unsigned char>(text[i + 2]) == 0xA8 ||
                static_cast<unsigned char>(text[i + 2]) == 0xA9)) {
      // U+2028 and U+2029 end a line in older script grammars.
      out += static_cast<unsigned char>(text[i + 2]) == 0xA8 ? "\\u2028" : "\\u2029";
      i += 2;
    } else {
      out += static_cast<char>(c);
    }
  }
  out += '"';
  return out;
}

}  // namespace motrevix
