#include "config/file_messages.h"

#include <cerrno>

#include "config/text_file.h"

namespace motrevix::config {

namespace {

std::string WithPath(const char* before, const std::filesystem::path& file, const char* after) {
  return std::string(before) + file.string() + after;
}

}  // namespace

std::string ReadErrorMessage(const std::filesystem::path& file, int error) {
  switch (error) {
    case ENOENT:
      return WithPath("", file, " was not found.");
    case ENOTDIR:
      return WithPath("", file, " contains an incorrect path.");
    case EACCES:
    case EPERM:
      return WithPath("Access to ", file, " was denied.");
    case EISDIR:
      return WithPath("", file, " is a folder, not a file.");
    case kNotARegularFileError:
      return WithPath("", file, " is not a file (a pipe, a device or a socket).");
    case kTextFileTooLargeError:
      return WithPath("", file, " is too large to be a camera file.");
    default:
      return WithPath("An error occurred while reading ", file, ".");
  }
}

std::string WriteErrorMessage(const std::filesystem::path& file, int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return WithPath("", file, " contains an incorrect path.");
    case EACCES:
    case EPERM:
    case EROFS:
      return WithPath("Access to ", file, " was denied.");
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return WithPath("The disk is full while accessing ", file, ".");
    case EISDIR:
      return WithPath("", file, " is a folder, not a file.");
    default:
      return WithPath("An error occurred while writing ", file, ".");
  }
}

}  // namespace motrevix::config
