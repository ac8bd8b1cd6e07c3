// motrevix-cli telemetry FILE [--json | --csv | --gpx]
#include <filesystem>
#include <ostream>
#include <string>

#include "playback/text_track/telemetry_track_file.h"
#include "telemetry/telemetry_export.h"
#include "telemetry/telemetry_reader.h"
#include "tools/cli/cli_commands.h"

namespace motrevix::cli {
namespace {

constexpr const char* kUsage =
    "Usage: motrevix-cli telemetry [--json | --csv | --gpx] [--] FILE\n\n"
    "Prints the telemetry records of a recording (.AVI or .MP4) with their time\n"
    "stamps in milliseconds on the recording's timeline.\n\n"
    "  (none)   a readable table, one line per record in time order\n"
    "  --json   both arrays with every field of each sample\n"
    "  --csv    one row per record with every field (CRLF line ends)\n"
    "  --gpx    a GPX 1.1 track of the valid fixes, UTC times, speed and course\n";

enum class Output { kTable, kJson, kCsv, kGpx };

struct Request {
  std::string file;
  Output output = Output::kTable;
  bool help = false;
};

bool ParseRequest(const Args& args, Request& request, std::string& error) {
  bool outputChosen = false;
  bool optionsEnded = false;  // after "--" every argument is a file name
  for (const std::string& arg : args) {
    if (!optionsEnded && arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (optionsEnded) {
      if (!request.file.empty()) {
        error = "give one recording only";
        return false;
      }
      request.file = arg;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      request.help = true;
      return true;
    }
    Output output;
    if (arg == "--json") {
      output = Output::kJson;
    } else if (arg == "--csv") {
      output = Output::kCsv;
    } else if (arg == "--gpx") {
      output = Output::kGpx;
    } else if (arg.size() > 1 && arg[0] == '-') {
      error = "unknown option '" + arg + "'";
      return false;
    } else {
      if (!request.file.empty()) {
        error = "give one recording only";
        return false;
      }
      request.file = arg;
      continue;
    }
    if (outputChosen) {
      error = "give at most one of --json, --csv, --gpx";
      return false;
    }
    outputChosen = true;
    request.output = output;
  }
  if (request.file.empty()) {
    error = "no recording given";
    return false;
  }
  return true;
}

std::string EndText(TelemetryReadEnd end) {
  switch (end) {
    case TelemetryReadEnd::kTrackEnd:
      return "the end of the track";
    case TelemetryReadEnd::kNoReader:
      return "no reader";
    case TelemetryReadEnd::kReaderStalled:
      return "a reader that delivered nothing";
    case TelemetryReadEnd::kTooManyRecords:
      return "the record limit";
  }
  return "an unknown reason";
}

}  // namespace

int RunTelemetry(const Args& args, std::ostream& out, std::ostream& err) {
  Request request;
  std::string error;
  if (!ParseRequest(args, request, error)) {
    err << "motrevix-cli telemetry: " << error << "\n\n" << kUsage;
    return kUsageError;
  }
  if (request.help) {
    out << kUsage;
    return 0;
  }

  TelemetryTrackFile track;
  track.SetReadMode(0);
  if (!track.Open(request.file)) {
    err << "motrevix-cli telemetry: cannot open '" << request.file << "' as a recording\n";
    return 1;
  }
  CTextData data;
  const TelemetryReadSummary summary = ReadTelemetry(&track, data);

  switch (request.output) {
    case Output::kTable:
      if (!track.HasTrack()) out << "The recording has no telemetry track.\n";
      WriteTelemetryTable(data, out);
      break;
    case Output::kJson:
      WriteTelemetryJson(data, out);
      break;
    case Output::kCsv:
      WriteTelemetryCsv(data, out);
      break;
    case Output::kGpx:
      WriteTelemetryGpx(data, std::filesystem::path(request.file).filename().string(), out);
      break;
  }
  out.flush();
  if (!out) {
    err << "motrevix-cli telemetry: cannot write the output\n";
    return 1;
  }
  if (summary.end != TelemetryReadEnd::kTrackEnd) {
    err << "motrevix-cli telemetry: reading stopped at " << EndText(summary.end) << " after "
        << summary.records << " records; the output holds those only\n";
    return 1;
  }
  return 0;
}

}  // namespace motrevix::cli
