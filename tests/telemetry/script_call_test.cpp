// Reading a map command text into a function and its string arguments, and the
// script that calls it with them as JSON strings.
#include "telemetry/script_call.h"

#include <gtest/gtest.h>

namespace motrevix {
namespace {

TEST(ParseScriptCommandTest, NameAndArgumentTokens) {
  struct Case {
    const char* command;
    ScriptCall call;
  };
  const Case cases[] = {
      {"javascript:DrawCurrent('37.512345', '127.012345')",
       {"DrawCurrent", {"37.512345", "127.012345"}}},
      {"DrawCurrent('1','2')", {"DrawCurrent", {"1", "2"}}},
      {"  javascript:  Draw ( a ,, b ) ", {"Draw", {"a", "b"}}},
      {"open javascript:F(\"q\";\t'r')", {"F", {"q", "r"}}},
      {"javascript:F()", {"F", {}}},
      {"javascript:F", {"F", {}}},
      {"javascript:a(javascript:b(1))", {"a", {"javascript:b", "1"}}},
      // The hostile record's text: everything after the first call is only a string.
      {"javascript:DrawCurrent('1');window.pwned=1//", {"DrawCurrent", {"1", "window.pwned=1//"}}},
      // A decimal comma would split a number in two: the tokeniser has no other reading.
      {"javascript:DrawCurrent('37,5', '127,0')", {"DrawCurrent", {"37", "5", "127", "0"}}},
  };
  for (const Case& c : cases) {
    const auto call = ParseScriptCommand(c.command);
    ASSERT_TRUE(call.has_value()) << c.command;
    EXPECT_EQ(*call, c.call) << c.command;
  }
}

TEST(ParseScriptCommandTest, NoCallWithoutAName) {
  for (const char* command : {"", "javascript:", "javascript:(1, 2)", "   ('1')"})
    EXPECT_FALSE(ParseScriptCommand(command).has_value()) << command;
}

TEST(JsonStringLiteralTest, EscapesWhatWouldEndOrBreakTheString) {
  struct Case {
    std::string text;
    std::string literal;
  };
  const Case cases[] = {
      {"37.512345", "\"37.512345\""},
      {"a\"b", "\"a\\\"b\""},
      {"back\\slash", "\"back\\\\slash\""},
      {"line\nbreak\t\x01", "\"line\\u000abreak\\u0009\\u0001\""},
      {"\xE2\x80\xA8|\xE2\x80\xA9", "\"\\u2028|\\u2029\""},
      {"'); alert(1); //", "\"'); alert(1); //\""},
      {"\xEC\xA7\x80\xEB\x8F\x84", "\"\xEC\xA7\x80\xEB\x8F\x84\""},  // other UTF-8 as it is
  };
  for (const Case& c : cases) EXPECT_EQ(JsonStringLiteral(c.text), c.literal) << c.text;
}

TEST(ScriptCallSourceTest, NameAndArgumentsAppearOnlyAsJsonStrings) {
  const std::string source =
      ScriptCallSource({"Draw\"Current", {"1');window.pwned=1//", "2\"); x(\""}});
  EXPECT_NE(source.find(R"(("Draw\"Current", ["1');window.pwned=1//", "2\"); x(\""]))"),
            std::string::npos)
      << source;
}

}  // namespace
}  // namespace motrevix
