// The owner file's profile text of any contents. Input: the first byte picks the
// length of a value, taken from the input's end; the rest is the file. Properties:
// a value set (made of plain characters) reads back as set, the other key keeps
// its value, and reading never fails on what a card may hold.
#include <cstdint>
#include <string>
#include <string_view>

#include "config/owner_file.h"
#include "config/profile_text.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

// A value no profile reader trims or unquotes: letters and digits only.
std::string PlainValue(std::string_view bytes) {
  std::string value;
  for (char c : bytes)
    value += "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"
        [static_cast<unsigned char>(c) % 62];
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace motrevix::config;
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t valueLength = std::min<std::size_t>(data[0], input.size());
  const std::string_view text = input.substr(0, input.size() - valueLength);
  const std::string value = PlainValue(input.substr(input.size() - valueLength));

  const auto carBefore = ReadProfileValue(text, "CarNum", "IDC_CARNUM");
  const std::string written = WriteProfileValue(text, "UserName", "IDC_USERNAME", value);
  MOTREVIX_FUZZ_CHECK(ReadProfileValue(written, "UserName", "IDC_USERNAME") == value);
  MOTREVIX_FUZZ_CHECK(ReadProfileValue(written, "CarNum", "IDC_CARNUM") == carBefore);
  LimitOwnerValue(std::string(text));
  return 0;
}
