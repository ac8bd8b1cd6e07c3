// motrevix-cli scan: the rows the file list would show for a folder, from the
// same listings the viewer runs. A full listing is sorted by the name order; the
// filtered listings keep the directory order.
#include <fcntl.h>
#include <unistd.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <ostream>
#include <string_view>

#include "catalog/catalog_globals.h"
#include "catalog/file_name_text.h"
#include "catalog/listing_state.h"
#include "catalog/recording_listing.h"
#include "platform/unique_fd.h"
#include "tools/cli/cli_commands.h"

namespace motrevix::cli {
namespace {

using catalog::RecordingRows;

constexpr const char* kUsage =
    "Usage: motrevix-cli scan FOLDER [--hour H | --minute M | --day YYYY-MM-DD] [--json]\n"
    "\n"
    "Lists the recordings of FOLDER as the file list shows them, one row a line:\n"
    "name, size in KiB, date (YY.MM.DD), path, separated by tabs. Names keep their\n"
    "bytes: a backslash, tab, line feed, carriage return or other control character\n"
    "is written \\\\, \\t, \\n, \\r or \\xHH, and so is a byte that is not UTF-8.\n"
    "  (no filter)         every .AVI below FOLDER, all depths, sorted by name\n"
    "  --hour H            .AVI files directly in FOLDER with hour field H (0-24)\n"
    "  --minute M          .AVI and .MP4 files directly in FOLDER with minute field M (0-60)\n"
    "  --day YYYY-MM-DD    .AVI files directly in FOLDER with that year, month and day\n"
    "  --json              the rows as a JSON object instead; a byte of a name that is\n"
    "                      not UTF-8 is the lone surrogate \\udcHH (U+DC80-U+DCFF for\n"
    "                      bytes 80-FF, Python's \"surrogateescape\")\n";

enum class Listing { All, Hour, Minute, Day };

struct ScanRequest {
  std::string folder;
  Listing listing = Listing::All;
  int hour = 0;
  int minute = 0;
  catalog::ListingState day;
  bool json = false;
};

std::optional<int> WholeNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::optional<int> NumberInRange(std::string_view text, int low, int high) {
  const std::optional<int> value = WholeNumber(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return value;
}

// "YYYY-MM-DD" with a month of 1-12 and a day of 1-31.
bool ParseDay(std::string_view text, catalog::ListingState& day) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  const std::optional<int> year = NumberInRange(text.substr(0, 4), 0, 9999);
  const std::optional<int> month = NumberInRange(text.substr(5, 2), 1, 12);
  const std::optional<int> dayOfMonth = NumberInRange(text.substr(8, 2), 1, 31);
  if (!year || !month || !dayOfMonth) return false;
  day.m_nCalYear = *year;
  day.m_nCalMonth = *month;
  day.m_nCalDay = *dayOfMonth;
  return true;
}

// Fills `request` from the arguments; on a fault writes why to `err`.
bool ParseArgs(const Args& args, ScanRequest& request, std::ostream& err) {
  bool haveFolder = false;
  bool haveFilter = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool isFilter = arg == "--hour" || arg == "--minute" || arg == "--day";
    if (isFilter) {
      if (haveFilter) {
        err << "motrevix-cli scan: give at most one of --hour, --minute and --day\n";
        return false;
      }
      if (i + 1 >= args.size()) {
        err << "motrevix-cli scan: " << arg << " needs a value\n";
        return false;
      }
      haveFilter = true;
      const std::string& value = args[++i];
      if (arg == "--hour") {
        const std::optional<int> hour = NumberInRange(value, 0, 24);
        if (!hour) {
          err << "motrevix-cli scan: --hour takes a whole number from 0 to 24, not '" << value
              << "'\n";
          return false;
        }
        request.listing = Listing::Hour;
        request.hour = *hour;
      } else if (arg == "--minute") {
        const std::optional<int> minute = NumberInRange(value, 0, 60);
        if (!minute) {
          err << "motrevix-cli scan: --minute takes a whole number from 0 to 60, not '" << value
              << "'\n";
          return false;
        }
        request.listing = Listing::Minute;
        request.minute = *minute;
      } else {
        if (!ParseDay(value, request.day)) {
          err << "motrevix-cli scan: --day takes a date as YYYY-MM-DD, not '" << value << "'\n";
          return false;
        }
        request.listing = Listing::Day;
      }
    } else if (arg == "--json") {
      request.json = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      err << "motrevix-cli scan: unknown option '" << arg << "'\n";
      return false;
    } else if (haveFolder) {
      err << "motrevix-cli scan: only one FOLDER, got '" << request.folder << "' and '" << arg
          << "'\n";
      return false;
    } else {
      request.folder = arg;
      haveFolder = true;
    }
  }
  if (!haveFolder) {
    err << "motrevix-cli scan: missing FOLDER\n";
    return false;
  }
  return true;
}

// The listings say nothing about a folder they cannot read; a terminal user is
// told. Returns the reason, or nothing when the folder can be read.
std::optional<std::string> UnreadableReason(const std::string& folder) {
  const UniqueFd fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (!fd.Valid()) return std::string(std::strerror(errno));
  return std::nullopt;
}

const char* ListingName(Listing listing) {
  switch (listing) {
    case Listing::All:
      return "all";
    case Listing::Hour:
      return "hour";
    case Listing::Minute:
      return "minute";
    case Listing::Day:
      return "day";
  }
  return "all";
}

// A cell of a text row: the name's own bytes, with what would break the row or is
// not UTF-8 written as an escape.
std::string RowCell(const QString& text) {
  std::string cell;
  const auto hex = [&cell](unsigned byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    cell += "\\x";
    cell += kDigits[byte >> 4];
    cell += kDigits[byte & 0xF];
  };
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar unit = text[i];
    if (const int escaped = catalog::EscapedByte(unit); escaped >= 0) {
      hex(static_cast<unsigned>(escaped));
    } else if (unit == u'\\') {
      cell += "\\\\";
    } else if (unit == u'\t') {
      cell += "\\t";
    } else if (unit == u'\n') {
      cell += "\\n";
    } else if (unit == u'\r') {
      cell += "\\r";
    } else if (unit.unicode() < 0x20 || unit.unicode() == 0x7F) {
      hex(unit.unicode());
    } else {
      const qsizetype length = unit.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
      cell += catalog::FileNameBytes(QStringView(text).mid(i, length)).toStdString();
      i += length - 1;
    }
  }
  return cell;
}

void PrintText(const RecordingRows& rows, std::ostream& out) {
  for (const auto& row : rows)
    out << RowCell(row.m_strName) << '\t' << RowCell(row.m_strSize) << '\t'
        << RowCell(row.m_strDate) << '\t' << RowCell(row.m_strPath) << '\n';
}

void PrintJson(const ScanRequest& request, const QString& folder, const RecordingRows& rows,
               const catalog::ListingState& state, std::ostream& out) {
  QJsonArray list;
  for (const auto& row : rows)
    list.append(QJsonObject{{"name", row.m_strName},
                            {"size", row.m_strSize},
                            {"date", row.m_strDate},
                            {"path", row.m_strPath}});
  QJsonObject root{{"folder", folder}, {"listing", ListingName(request.listing)}, {"rows", list}};
  if (request.listing == Listing::Hour) root.insert("currentHour", state.m_nCurrentHour);
  out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace

int RunScan(const Args& args, std::ostream& out, std::ostream& err) {
  for (const auto& arg : args) {
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return 0;
    }
  }
  ScanRequest request;
  if (!ParseArgs(args, request, err)) {
    err << kUsage;
    return kUsageError;
  }
  if (const auto reason = UnreadableReason(request.folder)) {
    err << "motrevix-cli scan: cannot read folder '" << request.folder << "': " << *reason << "\n";
    return 1;
  }

  const QString folder = catalog::FileNameText(request.folder);
  catalog::ListingState state = request.day;
  RecordingRows rows;
  switch (request.listing) {
    case Listing::All:
      catalog::ListAll(folder, rows);
      catalog::SortByNameOrder(rows);
      break;
    case Listing::Hour:
      catalog::g_nSelectedHour = request.hour;
      catalog::ListByHour(folder, state, rows);
      break;
    case Listing::Minute:
      catalog::g_nSelectedMinute = request.minute;
      catalog::ListByMinute(folder, rows);
      break;
    case Listing::Day:
      catalog::ListByDay(folder, state, rows);
      break;
  }

  if (request.json)
    PrintJson(request, folder, rows, state, out);
  else
    PrintText(rows, out);
  return 0;
}

}  // namespace motrevix::cli
