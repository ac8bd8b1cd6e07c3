#include "config/camera_files.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <string_view>

#include "config/file_messages.h"
#include "config/setup_defaults.h"
#include "config/text_file.h"
#include "platform/unique_fd.h"

namespace motrevix::config {

std::filesystem::path CameraFilePath(const std::filesystem::path& cardRoot, const char* fileName) {
  return cardRoot / fileName;
}

RecordReadResult ReadSetupRecord(const std::filesystem::path& file, CSetupRecord& record) {
  RecordReadResult result;
  UniqueFd fd = OpenRegularFile(file, result.error);
  if (!fd.Valid()) return result;
  // Read into a buffer first, so that a read error leaves the record as it was.
  std::array<std::uint8_t, CSetupRecord::kSize> buffer{};
  std::size_t total = 0;
  while (total < buffer.size()) {
    const ssize_t got = ::read(fd.Get(), buffer.data() + total, buffer.size() - total);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      result.error = errno;
      return result;
    }
    if (got == 0) break;
    total += static_cast<std::size_t>(got);
  }
  std::copy_n(buffer.begin(), total, record.Bytes().begin());
  result.ok = true;
  result.bytesRead = total;
  return result;
}

bool LoadSetupRecord(const std::filesystem::path& cardRoot, IUserPrompt& prompt) {
  const std::filesystem::path path = CameraFilePath(cardRoot, kSetupFileName);
  const RecordReadResult read = ReadSetupRecord(path, g_SetupRecord);
  if (!read.ok) prompt.ShowMessage(ReadErrorMessage(path, read.error), kFileErrorCaption);
  return read.ok;
}

SetupFields LoadSettingsPage(const std::filesystem::path& cardRoot, IUserPrompt& prompt) {
  if (LoadSetupRecord(cardRoot, prompt)) return FieldsFromRecord(g_SetupRecord);
  return ApplyDefault();
}

CSetupRecord RecordToSave(const CSetupRecord& base, const SetupFields& fields) {
  CSetupRecord record = base;
  ApplyFieldsToRecord(fields, record);
  record.StoreCrc();
  return record;
}

namespace {

bool WriteReported(const std::filesystem::path& path, std::string_view data, IUserPrompt& prompt,
                   IFileWriter& writer) {
  const WriteResult written = writer.ReplaceFile(path, data);
  if (!written.ok) prompt.ShowMessage(WriteErrorMessage(path, written.error), kFileErrorCaption);
  return written.ok;
}

}  // namespace

bool SaveSetupRecord(const std::filesystem::path& cardRoot, const SetupFields& fields,
                     IUserPrompt& prompt, IFileWriter& writer) {
  const CSetupRecord record = RecordToSave(g_SetupRecord, fields);
  const std::string_view bytes(reinterpret_cast<const char*>(record.Bytes().data()),
                               record.Bytes().size());
  return WriteReported(CameraFilePath(cardRoot, kSetupFileName), bytes, prompt, writer);
}

bool WriteClockFile(const std::filesystem::path& cardRoot, const std::string& clockLine,
                    IUserPrompt& prompt, IFileWriter& writer) {
  return WriteReported(CameraFilePath(cardRoot, kClockFileName), clockLine, prompt, writer);
}

SaveOutcome SaveCameraFiles(const std::filesystem::path& cardRoot, const SaveRequest& request,
                            IUserPrompt& prompt, IFileWriter& writer) {
  SaveOutcome outcome;
  outcome.settingsSaved = SaveSetupRecord(cardRoot, request.fields, prompt, writer);
  if (!outcome.settingsSaved) return outcome;
  if (request.setClock)
    outcome.clockSaved =
        WriteClockFile(cardRoot, ClockLine(request.clockDate, request.clockTime), prompt, writer);
  if (request.owner) outcome.ownerSaved = WriteOwnerInfo(cardRoot, *request.owner, prompt, writer);
  return outcome;
}

}  // namespace motrevix::config
