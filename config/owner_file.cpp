#include "config/owner_file.h"

#include <cerrno>

#include "config/camera_files.h"
#include "config/file_messages.h"
#include "config/profile_text.h"
#include "config/text_file.h"

namespace motrevix::config {

namespace {

constexpr const char* kNameSection = "UserName";
constexpr const char* kNameKey = "IDC_USERNAME";
constexpr const char* kCarSection = "CarNum";
constexpr const char* kCarKey = "IDC_CARNUM";

bool HasLineBreak(const std::string& value) {
  return value.find_first_of("\r\n") != std::string::npos;
}

// Sets the key unless it already reads as the value: a value nobody changed keeps its
// line as it was, so a name longer than readers take is not cut by saving the car
// number.
void SetUnlessUnchanged(std::string& text, const char* section, const char* key,
                        const std::string& value) {
  const std::optional<std::string> stored = ReadProfileValue(text, section, key);
  if (stored && LimitOwnerValue(*stored) == value) return;
  text = WriteProfileValue(text, section, key, value);
}

}  // namespace

std::string LimitOwnerValue(const std::string& value) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const auto byte = static_cast<unsigned char>(value[i]);
    const bool startsCharacter = (byte & 0xC0) != 0x80;
    if (startsCharacter && ++characters > kMaxOwnerValueChars) return value.substr(0, i);
  }
  return value;
}

OwnerInfo ReadOwnerInfo(const std::filesystem::path& ownerFile) {
  const TextFileRead file = ReadTextFile(ownerFile);
  if (!file.ok) return {};
  return {LimitOwnerValue(ReadProfileValue(file.text, kNameSection, kNameKey).value_or("")),
          LimitOwnerValue(ReadProfileValue(file.text, kCarSection, kCarKey).value_or(""))};
}

bool WriteOwnerInfo(const std::filesystem::path& cardRoot, const OwnerInfo& owner,
                    IUserPrompt& prompt, IFileWriter& writer) {
  const std::filesystem::path path = CameraFilePath(cardRoot, kOwnerFileName);
  // A line break would end the value and start a line of its own in the file.
  if (HasLineBreak(owner.name) || HasLineBreak(owner.carNumber)) {
    prompt.ShowMessage("The name and the car number must be on one line.", kFileErrorCaption);
    return false;
  }
  // The other sections of an existing file must survive, so a file that exists but
  // cannot be read is not overwritten.
  const TextFileRead existing = ReadTextFile(path);
  if (!existing.ok && existing.error != ENOENT) {
    prompt.ShowMessage(ReadErrorMessage(path, existing.error), kFileErrorCaption);
    return false;
  }
  std::string text = existing.ok ? existing.text : std::string();
  SetUnlessUnchanged(text, kNameSection, kNameKey, owner.name);
  SetUnlessUnchanged(text, kCarSection, kCarKey, owner.carNumber);
  const WriteResult written = writer.ReplaceFile(path, text);
  if (!written.ok) {
    prompt.ShowMessage(WriteErrorMessage(path, written.error), kFileErrorCaption);
    return false;
  }
  return true;
}

}  // namespace motrevix::config
