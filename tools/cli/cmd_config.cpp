// motrevix-cli config: reads and writes the camera's files in a card root the way the
// CONFIGURATION dialog does.
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iomanip>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "config/camera_files.h"
#include "config/clock_file.h"
#include "config/file_messages.h"
#include "config/owner_file.h"
#include "config/setup_defaults.h"
#include "config/setup_field_words.h"
#include "config/setup_fields.h"
#include "config/setup_record.h"
#include "platform/user_prompt.h"
#include "tools/cli/cli_commands.h"

namespace motrevix::cli {

namespace {

namespace fs = std::filesystem;
using namespace motrevix::config;

constexpr int kFailed = 1;

constexpr const char* kUsage =
    "Usage: motrevix-cli config COMMAND CARD_ROOT ...\n"
    "\n"
    "  show CARD_ROOT [--json]          the fields of rdsetup.cfg and its CRC\n"
    "  defaults CARD_ROOT [--fresh]     write rdsetup.cfg with the DEFAULT values; the\n"
    "                                   areas DEFAULT keeps come from the card's file,\n"
    "                                   or are zero with --fresh or without a file\n"
    "  set CARD_ROOT FIELD=VALUE...     change fields of rdsetup.cfg as the dialog would\n"
    "  clock CARD_ROOT [\"YYYY-MM-DD HH:MM:SS\"]\n"
    "                                   write Date_Time.cfg (default: the local time now)\n"
    "  owner CARD_ROOT [--name N] [--car C]\n"
    "                                   write user.inf; without options, show it\n"
    "\n"
    "Fields and values of set:\n";

// Messages for the user go to the error stream; there is nobody to answer questions.
class StreamPrompt : public IUserPrompt {
 public:
  explicit StreamPrompt(std::ostream& err) : m_err(err) {}
  void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
    m_err << "motrevix-cli config: " << text << "\n";
  }
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  std::string ChooseOpenFile(const std::string&, const std::string&) override { return {}; }
  std::string ChooseFolder(const std::string&) override { return {}; }

 private:
  std::ostream& m_err;
};

void PrintUsage(std::ostream& out) {
  out << kUsage;
  for (const auto& field : EditedFields())
    out << "  " << std::left << std::setw(12) << field.name << DescribeWords(field) << "\n";
}

// Joins message parts; appending sidesteps a false -Wrestrict warning of GCC 12 on
// chains of operator+ that start with a string literal.
template <typename... Parts>
std::string Concat(const Parts&... parts) {
  std::string text;
  (text.append(parts), ...);
  return text;
}

int UsageError(std::ostream& err, const std::string& problem) {
  err << "motrevix-cli config: " << problem << "\n\n";
  PrintUsage(err);
  return kUsageError;
}

std::string Hex(std::uint32_t value) {
  std::ostringstream text;
  text << "0x" << std::hex << std::setw(8) << std::setfill('0') << value;
  return text.str();
}

int Show(const fs::path& cardRoot, bool json, std::ostream& out, std::ostream& err) {
  const fs::path path = CameraFilePath(cardRoot, kSetupFileName);
  CSetupRecord record;
  const RecordReadResult read = ReadSetupRecord(path, record);
  if (!read.ok) {
    err << "motrevix-cli config: " << ReadErrorMessage(path, read.error) << "\n";
    return kFailed;
  }
  const std::uint32_t stored = record.StoredCrc();
  const std::uint32_t computed = record.ComputedCrc();
  if (json) {
    QJsonObject fields;
    for (const auto& field : EditedFields()) {
      const std::int32_t value = record.Get(field.offset);
      const auto word = WordForValue(field, value);
      fields[QString::fromUtf8(field.name.data(), static_cast<qsizetype>(field.name.size()))] =
          QJsonObject{{"offset", static_cast<int>(field.offset)},
                      {"value", value},
                      {"word", word ? QJsonValue(QString::fromStdString(*word)) : QJsonValue()}};
    }
    const QJsonObject root{{"file", QString::fromStdString(path.string())},
                           {"bytes_read", static_cast<qint64>(read.bytesRead)},
                           {"fields", fields},
                           {"crc", QJsonObject{{"stored", static_cast<qint64>(stored)},
                                               {"computed", static_cast<qint64>(computed)},
                                               {"matches", stored == computed}}}};
    out << QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
    return 0;
  }
  out << "file: " << path.string() << " (" << read.bytesRead << " bytes read)\n";
  if (read.bytesRead < CSetupRecord::kSize)
    out << "short file: bytes " << read.bytesRead << " to " << CSetupRecord::kSize - 1
        << " read as zero\n";
  for (const auto& field : EditedFields()) {
    const std::int32_t value = record.Get(field.offset);
    const auto word = WordForValue(field, value);
    out << std::left << std::setw(12) << field.name << std::right << std::setw(4) << field.offset
        << "  " << value << "  " << (word ? *word : "(no control shows this value)") << "\n";
  }
  out << "crc stored:   " << Hex(stored) << "\n"
      << "crc computed: " << Hex(computed) << (stored == computed ? " (matches)" : " (differs)")
      << "\n";
  return 0;
}

int Defaults(const fs::path& cardRoot, bool fresh, std::ostream& out, std::ostream& err) {
  StreamPrompt prompt(err);
  if (!fresh) {
    // Keep what DEFAULT keeps from the card's own record, as DEFAULT in the dialog does.
    const fs::path path = CameraFilePath(cardRoot, kSetupFileName);
    const RecordReadResult read = ReadSetupRecord(path, g_SetupRecord);
    if (!read.ok && read.error != ENOENT) {
      err << "motrevix-cli config: " << ReadErrorMessage(path, read.error) << "\n";
      return kFailed;
    }
  }
  ApplySetupDefaults(g_SetupRecord);
  ReplacingFileWriter writer;
  if (!SaveSetupRecord(cardRoot, DefaultSetupFields(), prompt, writer)) return kFailed;
  out << "wrote " << CameraFilePath(cardRoot, kSetupFileName).string() << "\n";
  return 0;
}

struct Assignment {
  const EditedField* field;
  std::int32_t value;
};

int Set(const fs::path& cardRoot, const Args& words, std::ostream& out, std::ostream& err) {
  if (words.empty()) return UsageError(err, "set needs at least one FIELD=VALUE");
  std::vector<Assignment> assignments;
  for (const auto& text : words) {
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
      return UsageError(err, Concat("not FIELD=VALUE: '", text, "'"));
    const std::string name = text.substr(0, equals);
    const EditedField* field = FindEditedField(name);
    if (field == nullptr) return UsageError(err, Concat("unknown field '", name, "'"));
    const auto value = ValueForWord(*field, text.substr(equals + 1));
    if (!value)
      return UsageError(err, Concat("'", text.substr(equals + 1), "' is not a value of ", name,
                                    " (", DescribeWords(*field), ")"));
    assignments.push_back({field, *value});
  }
  // Open the page as the dialog does, change its controls, save. Unlike the dialog, a
  // file that is there but cannot be read is not replaced by DEFAULT: nobody has
  // seen the message and chosen to save.
  StreamPrompt prompt(err);
  const fs::path path = CameraFilePath(cardRoot, kSetupFileName);
  const RecordReadResult read = ReadSetupRecord(path, g_SetupRecord);
  if (!read.ok && read.error != ENOENT) {
    err << "motrevix-cli config: " << ReadErrorMessage(path, read.error) << "\n";
    return kFailed;
  }
  if (!read.ok)
    err << "motrevix-cli config: " << ReadErrorMessage(path, read.error)
        << " Starting from the DEFAULT values.\n";
  const SetupFields shown = read.ok ? FieldsFromRecord(g_SetupRecord) : ApplyDefault();
  CSetupRecord edited = g_SetupRecord;
  ApplyFieldsToRecord(shown, edited);
  for (const auto& assignment : assignments) edited.Set(assignment.field->offset, assignment.value);
  ReplacingFileWriter writer;
  if (!SaveSetupRecord(cardRoot, FieldsFromRecord(edited), prompt, writer)) return kFailed;
  out << "wrote " << path.string() << "\n";
  return 0;
}

std::optional<std::pair<CalendarDate, ClockTime>> ParseClock(const std::string& text) {
  CalendarDate date;
  ClockTime time;
  char separator = 0;
  int consumed = 0;
  if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d%n", &date.year, &date.month, &date.day,
                  &separator, &time.hour, &time.minute, &time.second, &consumed) != 7 ||
      consumed != static_cast<int>(text.size()) || (separator != ' ' && separator != 'T'))
    return std::nullopt;
  if (!IsValidDate(date) || !IsValidTime(time)) return std::nullopt;
  return std::pair{date, time};
}

std::pair<CalendarDate, ClockTime> LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday},
          ClockTime{local.tm_hour, local.tm_min, std::min(local.tm_sec, 59)}};
}

int Clock(const fs::path& cardRoot, const Args& rest, std::ostream& out, std::ostream& err) {
  if (rest.size() > 1) return UsageError(err, "clock takes one date and time");
  std::pair<CalendarDate, ClockTime> when;
  if (rest.empty()) {
    when = LocalTimeNow();
  } else if (const auto parsed = ParseClock(rest[0])) {
    when = *parsed;
  } else {
    return UsageError(err,
                      Concat("'", rest[0], "' is not a valid date and time YYYY-MM-DD HH:MM:SS"));
  }
  const std::string line = ClockLine(when.first, when.second);
  StreamPrompt prompt(err);
  ReplacingFileWriter writer;
  if (!WriteClockFile(cardRoot, line, prompt, writer)) return kFailed;
  out << "wrote " << CameraFilePath(cardRoot, kClockFileName).string() << ": " << line << "\n";
  return 0;
}

int Owner(const fs::path& cardRoot, const Args& rest, std::ostream& out, std::ostream& err) {
  std::optional<std::string> name;
  std::optional<std::string> car;
  for (std::size_t i = 0; i < rest.size(); ++i) {
    if ((rest[i] == "--name" || rest[i] == "--car") && i + 1 < rest.size()) {
      (rest[i] == "--name" ? name : car) = rest[i + 1];
      ++i;
    } else {
      return UsageError(err, Concat("unexpected argument '", rest[i], "'"));
    }
  }
  const fs::path path = CameraFilePath(cardRoot, kOwnerFileName);
  OwnerInfo owner = ReadOwnerInfo(path);
  if (!name && !car) {
    out << "name: " << owner.name << "\ncar number: " << owner.carNumber << "\n";
    return 0;
  }
  if (name) owner.name = *name;
  if (car) owner.carNumber = *car;
  StreamPrompt prompt(err);
  ReplacingFileWriter writer;
  if (!WriteOwnerInfo(cardRoot, owner, prompt, writer)) return kFailed;
  out << "wrote " << path.string() << "\n";
  return 0;
}

}  // namespace

int RunConfig(const Args& args, std::ostream& out, std::ostream& err) {
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    PrintUsage(out);
    return 0;
  }
  if (args.size() < 2) return UsageError(err, "a command and a card root are needed");
  const std::string& command = args[0];
  const fs::path cardRoot = args[1];
  const Args rest(args.begin() + 2, args.end());
  if (command == "show") {
    if (rest.size() > 1 || (rest.size() == 1 && rest[0] != "--json"))
      return UsageError(err, "show takes only --json");
    return Show(cardRoot, !rest.empty(), out, err);
  }
  if (command == "defaults") {
    if (rest.size() > 1 || (rest.size() == 1 && rest[0] != "--fresh"))
      return UsageError(err, "defaults takes only --fresh");
    return Defaults(cardRoot, !rest.empty(), out, err);
  }
  if (command == "set") return Set(cardRoot, rest, out, err);
  if (command == "clock") return Clock(cardRoot, rest, out, err);
  if (command == "owner") return Owner(cardRoot, rest, out, err);
  return UsageError(err, Concat("unknown command '", command, "'"));
}

}  // namespace motrevix::cli
