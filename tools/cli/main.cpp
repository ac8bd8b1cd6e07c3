// motrevix-cli: the viewer's capabilities from the command line.
#include <cstring>
#include <iostream>
#include <string_view>

#include "tools/cli/cli_commands.h"

namespace {

using motrevix::cli::Args;

struct Subcommand {
  std::string_view name;
  std::string_view summary;
  int (*run)(const Args&, std::ostream&, std::ostream&);
};

constexpr Subcommand kSubcommands[] = {
    {"info", "FILE: streams, duration and telemetry counts of a recording", motrevix::cli::RunInfo},
    {"play", "FILE: play a recording headless and report what was shown", motrevix::cli::RunPlay},
    {"telemetry", "FILE [--json|--csv|--gpx]: the telemetry records of a recording",
     motrevix::cli::RunTelemetry},
    {"scan", "FOLDER [--hour H|--minute M|--day YYYY-MM-DD] [--json]: list recordings",
     motrevix::cli::RunScan},
    {"config", "show|defaults|set|clock|owner CARD_ROOT ...: the camera's files on a card",
     motrevix::cli::RunConfig},
    {"format", "probe | --image FILE | --device DEV [--label L] [--yes]: write FAT32",
     motrevix::cli::RunFormat},
    {"repair", "mp4v|h264 FILE: rebuild a damaged recording", motrevix::cli::RunRepair},
};

void PrintUsage(std::ostream& out) {
  out << "Usage: motrevix-cli COMMAND [ARGUMENTS]\n\n"
         "Commands:\n";
  for (const auto& command : kSubcommands)
    out << "  " << command.name << std::string(11 - command.name.size(), ' ') << command.summary
        << "\n";
  out << "\nRun 'motrevix-cli COMMAND --help' for the arguments of one command.\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    PrintUsage(std::cerr);
    return motrevix::cli::kUsageError;
  }
  const std::string_view name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintUsage(std::cout);
    return 0;
  }
  for (const auto& command : kSubcommands) {
    if (command.name == name) {
      Args args(argv + 2, argv + argc);
      return command.run(args, std::cout, std::cerr);
    }
  }
  std::cerr << "motrevix-cli: unknown command '" << name << "'\n\n";
  PrintUsage(std::cerr);
  return motrevix::cli::kUsageError;
}
