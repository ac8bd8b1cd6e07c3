#pragma once
// The report's work folder and the fixed files in it: the two pictures and the
// page that refers to them. The folder lies in the shared temporary folder under
// a fixed name, so it must be this user's own: it is made with mode 0700, and an
// existing one is used only when it is a real folder (not a link) owned by this
// user, whose mode is then narrowed to 0700. Nobody else can then put a link or
// a file of their own under the fixed names.

#include <optional>
#include <string>

namespace motrevix {

inline constexpr const char* kReportFolderName = "motrevix";
inline constexpr const char* kReportFrontPicture = "_MX_front.bmp";
inline constexpr const char* kReportRearPicture = "_MX_rear.bmp";
inline constexpr const char* kReportPage = "_MXreport.html";

struct ReportFiles {
  std::string folder;
  std::string frontPicture;
  std::string rearPicture;
  std::string page;
};

// The work folder below a temporary folder, and its files.
ReportFiles ReportFilesIn(const std::string& temporaryFolder);

// Makes the folder ready as above. Nothing on success, otherwise the message
// for the user.
std::optional<std::string> PrepareReportFolder(const std::string& folder);

// Deletes the pictures of an earlier report, so a picture that cannot be made
// now is missing from the page rather than an old one shown in its place.
// Nothing on success (also when there were none), otherwise the message.
std::optional<std::string> RemoveOldPictures(const ReportFiles& files);

// Writes the page whole or not at all (an older page stays as it was on failure).
std::optional<std::string> WriteReportPage(const std::string& path, const std::string& text);

}  // namespace motrevix
