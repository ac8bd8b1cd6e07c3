#pragma once
// Opening a camera file for reading, and reading a small file whole. Only regular
// files are read: a FIFO would block the reader and a device such as /dev/zero
// never ends, so both are refused before the first read.

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <string>

#include "platform/unique_fd.h"

namespace motrevix::config {

// The error (errno style) of a path that is not a regular file; a folder gives EISDIR.
inline constexpr int kNotARegularFileError = ENODEV;
// The error of a text file longer than kMaxTextFileBytes.
inline constexpr int kTextFileTooLargeError = EFBIG;
// Far more than any camera's text file holds (user.inf is a few hundred bytes).
inline constexpr std::size_t kMaxTextFileBytes = 64 * 1024;

// Opens a regular file for reading without waiting on it; an invalid descriptor and
// `error` set otherwise.
UniqueFd OpenRegularFile(const std::filesystem::path& file, int& error);

struct TextFileRead {
  bool ok = false;
  int error = 0;  // errno when not ok
  std::string text;
};

// The whole file, at most kMaxTextFileBytes (a longer one is an error).
TextFileRead ReadTextFile(const std::filesystem::path& file);

}  // namespace motrevix::config
