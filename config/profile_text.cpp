#include "config/profile_text.h"

#include <algorithm>
#include <cctype>
#include <utility>
#include <vector>

namespace motrevix::config {

namespace {

struct Line {
  std::string_view content;  // without its line end
  std::string_view end;      // "\r\n", "\n" or empty for a last line without one
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  while (!text.empty()) {
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos) {
      lines.push_back({text, {}});
      break;
    }
    const bool crlf = newline > 0 && text[newline - 1] == '\r';
    const std::size_t contentEnd = crlf ? newline - 1 : newline;
    lines.push_back(
        {text.substr(0, contentEnd), text.substr(contentEnd, newline + 1 - contentEnd)});
    text.remove_prefix(newline + 1);
  }
  return lines;
}

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

std::string_view WithoutByteOrderMark(std::string_view s) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (s.substr(0, kBom.size()) == kBom) s.remove_prefix(kBom.size());
  return s;
}

// The section name of a "[name]" line, or nothing for other lines.
std::optional<std::string_view> SectionName(std::string_view content) {
  const std::string_view line = Trim(WithoutByteOrderMark(content));
  if (line.empty() || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct KeyLine {
  std::string_view key;
  std::string_view value;
};

std::optional<KeyLine> ParseKeyLine(std::string_view content) {
  const std::string_view line = Trim(WithoutByteOrderMark(content));
  if (line.empty() || line.front() == ';') return std::nullopt;
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return KeyLine{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

// Lines [first, last) of a section's body, after its header line.
struct SectionSpan {
  std::size_t header;
  std::size_t first;
  std::size_t last;
};

std::optional<SectionSpan> FindSection(const std::vector<Line>& lines, std::string_view section) {
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i].content);
    if (!name || !SameName(*name, section)) continue;
    std::size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end].content)) ++end;
    return SectionSpan{i, i + 1, end};
  }
  return std::nullopt;
}

std::optional<std::size_t> FindKey(const std::vector<Line>& lines, const SectionSpan& span,
                                   std::string_view key) {
  for (std::size_t i = span.first; i < span.last; ++i) {
    const auto parsed = ParseKeyLine(lines[i].content);
    if (parsed && SameName(parsed->key, key)) return i;
  }
  return std::nullopt;
}

std::string_view Unquoted(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

}  // namespace

std::optional<std::string> ReadProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  const std::vector<Line> lines = SplitLines(text);
  const auto span = FindSection(lines, section);
  if (!span) return std::nullopt;
  const auto index = FindKey(lines, *span, key);
  if (!index) return std::nullopt;
  return std::string(Unquoted(ParseKeyLine(lines[*index].content)->value));
}

std::string WriteProfileValue(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value) {
  std::vector<Line> lines = SplitLines(text);
  const std::string_view newLineEnd =
      !lines.empty() && !lines.front().end.empty() ? lines.front().end : "\r\n";
  const std::string keyLine = std::string(key) + "=" + std::string(value);

  std::vector<std::string> out;
  out.reserve(lines.size() + 2);
  for (const auto& line : lines) out.push_back(std::string(line.content) + std::string(line.end));
  // Gives a line that ended the text without a line end one, before anything follows it.
  const auto endLine = [&](std::size_t i) {
    if (lines[i].end.empty()) out[i] += newLineEnd;
  };

  const auto span = FindSection(lines, section);
  if (!span) {
    if (!lines.empty()) endLine(lines.size() - 1);
    std::string header(1, '[');
    header.append(section).append("]").append(newLineEnd);
    out.push_back(std::move(header));
    out.push_back(keyLine + std::string(newLineEnd));
  } else if (const auto index = FindKey(lines, *span, key)) {
    out[*index] = keyLine + std::string(lines[*index].end);
  } else {
    // After the section's last non-blank line, so blank lines before the next section stay.
    std::size_t insertAt = span->first;
    for (std::size_t i = span->first; i < span->last; ++i)
      if (!Trim(lines[i].content).empty()) insertAt = i + 1;
    const std::size_t previous = insertAt - 1;
    endLine(previous);
    const std::string_view end = lines[previous].end.empty() ? newLineEnd : lines[previous].end;
    out.insert(out.begin() + static_cast<std::ptrdiff_t>(insertAt), keyLine + std::string(end));
  }

  std::string result;
  for (const auto& line : out) result += line;
  return result;
}

}  // namespace motrevix::config
