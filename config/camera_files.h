#pragma once
// The camera's three files in the card root: loading and saving the settings
// record, the clock file and the owner file the way the CONFIGURATION dialog does.

#include <cstddef>
#include <filesystem>
#include <optional>

#include "config/clock_file.h"
#include "config/file_writer.h"
#include "config/owner_file.h"
#include "config/setup_fields.h"
#include "config/setup_record.h"
#include "platform/user_prompt.h"

namespace motrevix::config {

inline constexpr const char* kSetupFileName = "rdsetup.cfg";
inline constexpr const char* kClockFileName = "Date_Time.cfg";
inline constexpr const char* kOwnerFileName = "user.inf";

// A camera file's path: the card root followed by the file name.
std::filesystem::path CameraFilePath(const std::filesystem::path& cardRoot, const char* fileName);

struct RecordReadResult {
  bool ok = false;
  int error = 0;              // errno when not ok
  std::size_t bytesRead = 0;  // at most CSetupRecord::kSize
};

// Reads up to 348 bytes of a settings file over the start of the record: the bytes past
// the end of a short file keep their previous contents, bytes past 348 are ignored, the
// CRC is not checked. On a failure the record is unchanged.
RecordReadResult ReadSetupRecord(const std::filesystem::path& file, CSetupRecord& record);

// Loads the card's rdsetup.cfg into g_SetupRecord; reports a failure ("... was not
// found." for a missing file) and returns false.
bool LoadSetupRecord(const std::filesystem::path& cardRoot, IUserPrompt& prompt);

// What the SETTING page shows on opening: the loaded record's fields, or, when the load
// failed, DEFAULT applied to g_SetupRecord and the page.
SetupFields LoadSettingsPage(const std::filesystem::path& cardRoot, IUserPrompt& prompt);

// The record a save writes: a copy of base with the page's fields and a fresh CRC.
CSetupRecord RecordToSave(const CSetupRecord& base, const SetupFields& fields);

// Writes rdsetup.cfg from g_SetupRecord and the fields; a failure is reported.
bool SaveSetupRecord(const std::filesystem::path& cardRoot, const SetupFields& fields,
                     IUserPrompt& prompt, IFileWriter& writer);

// Writes Date_Time.cfg with the clock line; a failure is reported.
bool WriteClockFile(const std::filesystem::path& cardRoot, const std::string& clockLine,
                    IUserPrompt& prompt, IFileWriter& writer);

// Everything SAVE writes.
struct SaveRequest {
  SetupFields fields;
  bool setClock = false;  // the "Date & Time Setting" box
  std::optional<CalendarDate> clockDate;
  std::optional<ClockTime> clockTime;
  std::optional<OwnerInfo> owner;  // the INFO page; nothing when it is not to be written
};

struct SaveOutcome {
  bool settingsSaved = false;  // false: nothing else was written, the dialog stays open
  bool clockSaved = false;
  bool ownerSaved = false;
};

// rdsetup.cfg, then Date_Time.cfg when asked for, then user.inf. A failed settings
// record stops the save; a failed clock file is reported and skipped.
SaveOutcome SaveCameraFiles(const std::filesystem::path& cardRoot, const SaveRequest& request,
                            IUserPrompt& prompt, IFileWriter& writer);

}  // namespace motrevix::config
