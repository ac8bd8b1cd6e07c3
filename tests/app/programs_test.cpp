// The programs start and explain themselves.
#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace motrevix::test {
namespace {

TEST(Programs, HelpNamesWhatEachProgramDoes) {
  const struct {
    const char* program;
    const char* expected;
  } cases[] = {
      {"motrevix", "RD-310"},
      {"motrevix-cli", "telemetry"},
      {"make-recording", "--telemetry on|off"},
  };
  for (const auto& c : cases) {
    const ProcessResult run = RunTool(c.program, {"--help"});
    EXPECT_EQ(run.exitCode, 0) << c.program << run.err;
    EXPECT_NE(run.out.find(c.expected), std::string::npos) << c.program << run.out;
  }
}

TEST(Programs, CliRefusesUnknownCommands) {
  const ProcessResult run = RunTool("motrevix-cli", {"frobnicate"});
  EXPECT_EQ(run.exitCode, 2);
  EXPECT_NE(run.err.find("unknown command 'frobnicate'"), std::string::npos);
}

}  // namespace
}  // namespace motrevix::test
