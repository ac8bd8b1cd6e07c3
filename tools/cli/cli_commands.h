#pragma once
// The subcommands of motrevix-cli. Each one parses its own arguments and calls
// the same library code as the viewer. Return value: the process exit code.

#include <iosfwd>
#include <string>
#include <vector>

namespace motrevix::cli {

using Args = std::vector<std::string>;

int RunInfo(const Args& args, std::ostream& out, std::ostream& err);
int RunPlay(const Args& args, std::ostream& out, std::ostream& err);
int RunTelemetry(const Args& args, std::ostream& out, std::ostream& err);
int RunScan(const Args& args, std::ostream& out, std::ostream& err);
int RunConfig(const Args& args, std::ostream& out, std::ostream& err);
int RunFormat(const Args& args, std::ostream& out, std::ostream& err);
int RunRepair(const Args& args, std::ostream& out, std::ostream& err);

// Exit code for a command line the tool does not understand.
constexpr int kUsageError = 2;

}  // namespace motrevix::cli
