#pragma once
// user.inf: the owner's name in [UserName] IDC_USERNAME and the car number in
// [CarNum] IDC_CARNUM. Other sections and keys of an existing file are kept.

#include <cstddef>
#include <filesystem>
#include <string>

#include "config/file_writer.h"
#include "platform/user_prompt.h"

namespace motrevix::config {

struct OwnerInfo {
  std::string name;
  std::string carNumber;

  bool operator==(const OwnerInfo&) const = default;
};

// Readers take at most this many characters of a value.
constexpr std::size_t kMaxOwnerValueChars = 254;

// Reads an owner file (the card root's, or the copy the printed report reads); a
// missing file, section or key gives an empty value.
OwnerInfo ReadOwnerInfo(const std::filesystem::path& ownerFile);

// Sets both values in the card root's user.inf, creating it when missing. A value
// that reads back already as given keeps its line unchanged (a stored name longer
// than readers take stays whole). Failures are reported through the prompt; false
// then, and the file is as it was.
bool WriteOwnerInfo(const std::filesystem::path& cardRoot, const OwnerInfo& owner,
                    IUserPrompt& prompt, IFileWriter& writer);

// The first kMaxOwnerValueChars characters (UTF-8 code points) of a value.
std::string LimitOwnerValue(const std::string& value);

}  // namespace motrevix::config
