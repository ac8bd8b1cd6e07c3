// motrevix-cli format: list removable volumes, or write an empty FAT32 file
// system onto a disk image or a removable device.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <ostream>
#include <string>

#include "format/fat32_layout.h"
#include "format/format_target.h"
#include "format/qv_formatter.h"
#include "platform/volume_sources.h"
#include "tools/cli/cli_commands.h"

namespace motrevix::cli {
namespace {

constexpr const char* kDefaultLabel = "RD-310";

void PrintHelp(std::ostream& out) {
  out << "Usage:\n"
         "  motrevix-cli format probe\n"
         "      List the removable volumes that can be formatted.\n"
         "  motrevix-cli format --image FILE [--size BYTES] [--label LABEL]\n"
         "      Format a disk-image file. With --size, FILE must not exist and is\n"
         "      created as a sparse file of that many bytes.\n"
         "  motrevix-cli format --device DEV [--label LABEL] [--yes]\n"
         "      Format a removable volume (see 'probe'). Asks for confirmation unless\n"
         "      --yes is given; refuses devices that are not removable or are mounted.\n"
         "The label is at most 11 bytes and is written unchanged (default "
      << kDefaultLabel << ").\n";
}

struct FormatOptions {
  bool probe = false;
  std::string image;
  std::string device;
  std::string label = kDefaultLabel;
  std::uint64_t sizeBytes = 0;
  bool haveSize = false;
  bool yes = false;
  bool help = false;
};

bool ParseSize(const std::string& text, std::uint64_t& bytes) {
  const char* end = text.data() + text.size();
  const auto [ptr, error] = std::from_chars(text.data(), end, bytes);
  return error == std::errc() && ptr == end && bytes > 0;
}

bool ParseOptions(const Args& args, FormatOptions& options, std::ostream& err) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "probe" && i == 0) {
      options.probe = true;
    } else if (arg == "--yes") {
      options.yes = true;
    } else if ((arg == "--image" || arg == "--device" || arg == "--label" || arg == "--size") &&
               hasValue) {
      const std::string& value = args[++i];
      if (arg == "--image") options.image = value;
      if (arg == "--device") options.device = value;
      if (arg == "--label") options.label = value;
      if (arg == "--size") {
        if (!ParseSize(value, options.sizeBytes)) {
          err << "motrevix-cli format: --size needs a positive number of bytes, not '" << value
              << "'\n";
          return false;
        }
        options.haveSize = true;
      }
    } else {
      err << "motrevix-cli format: unexpected argument '" << arg << "'\n";
      return false;
    }
  }
  if (options.help) return true;
  const int modes = int(options.probe) + int(!options.image.empty()) + int(!options.device.empty());
  if (modes != 1) {
    err << "motrevix-cli format: give exactly one of probe, --image FILE, --device DEV\n";
    return false;
  }
  if (options.haveSize && options.image.empty()) {
    err << "motrevix-cli format: --size goes with --image\n";
    return false;
  }
  if (options.label.size() > format::kMaxLabelBytes) {
    err << "motrevix-cli format: the label '" << options.label << "' is longer than "
        << format::kMaxLabelBytes << " bytes\n";
    return false;
  }
  return true;
}

std::string Describe(const VolumeCandidate& drive) {
  std::string text = drive.name + "  " + std::to_string(drive.lengthBytes / 512) + " sectors  " +
                     std::to_string(drive.lengthBytes) + " bytes";
  for (const auto& mountPoint : drive.mountPoints) text += "  mounted on " + mountPoint;
  return text;
}

int Probe(std::ostream& out) {
  format::CQVFormatter formatter;
  if (!formatter.ProbeDrives()) {
    out << "No removable volume with a medium.\n";
    return 0;
  }
  for (int i = 0; i < formatter.GetDriveCount(); ++i)
    out << Describe(*formatter.GetDrive(i)) << "\n";
  return 0;
}

// Opens candidate 0 of the engine and formats it.
int FormatFirst(format::CQVFormatter& formatter, const std::string& label, std::ostream& out,
                std::ostream& err) {
  if (!formatter.OpenVolume(0) || !formatter.Format(0, label)) {
    err << "motrevix-cli format: " << formatter.GetLastError() << "\n";
    return 1;
  }
  const std::string name = *formatter.GetDriveName(0);
  out << "Formatted " << name << " as FAT32 (" << formatter.GetVolumeSectors()
      << " sectors), label '" << label << "'\n";
  return 0;
}

bool CreateSparseImage(const std::string& path, std::uint64_t bytes, std::ostream& err) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    err << "motrevix-cli format: cannot create " << path << " (" << std::strerror(errno)
        << "); --size needs a file that does not exist yet\n";
    return false;
  }
  const bool sized = ::ftruncate(fd, static_cast<off_t>(bytes)) == 0;
  const int error = errno;
  ::close(fd);
  if (!sized) {
    err << "motrevix-cli format: cannot size " << path << " (" << std::strerror(error) << ")\n";
    std::filesystem::remove(path);
  }
  return sized;
}

int FormatImage(const FormatOptions& options, std::ostream& out, std::ostream& err) {
  if (options.haveSize && !CreateSparseImage(options.image, options.sizeBytes, err)) return 1;
  struct stat info {};
  if (::stat(options.image.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
    err << "motrevix-cli format: " << options.image << " is not an existing image file\n";
    return 1;
  }
  format::CQVFormatter formatter(
      std::make_unique<ImageFileSource>(std::vector<std::filesystem::path>{options.image}));
  if (!formatter.ProbeDrives()) {
    err << "motrevix-cli format: " << options.image << " is empty\n";
    if (options.haveSize) std::filesystem::remove(options.image);
    return 1;
  }
  const int result = FormatFirst(formatter, options.label, out, err);
  // An image this command made for a format that failed is of no use to anyone.
  if (result != 0 && options.haveSize) std::filesystem::remove(options.image);
  return result;
}

int FormatDevice(const FormatOptions& options, std::ostream& out, std::ostream& err) {
  const format::FormatTargetCheck target = format::CheckFormatTarget(options.device);
  if (!target.allowed) {
    err << "motrevix-cli format: " << target.refusal << "\n";
    return 1;
  }
  if (!options.yes && !format::ConfirmFormat(target.volume, options.label, std::cin, out)) {
    out << "\nCancelled; nothing was written.\n";
    return 1;
  }
  format::CQVFormatter formatter(std::make_unique<SingleBlockDeviceSource>(options.device));
  if (!formatter.ProbeDrives()) {
    err << "motrevix-cli format: " << options.device << " cannot be read or has no medium\n";
    return 1;
  }
  return FormatFirst(formatter, options.label, out, err);
}

}  // namespace

int RunFormat(const Args& args, std::ostream& out, std::ostream& err) {
  FormatOptions options;
  if (!ParseOptions(args, options, err)) {
    err << "\n";
    PrintHelp(err);
    return kUsageError;
  }
  if (options.help) {
    PrintHelp(out);
    return 0;
  }
  if (options.probe) return Probe(out);
  if (!options.image.empty()) return FormatImage(options, out, err);
  return FormatDevice(options, out, err);
}

}  // namespace motrevix::cli
