#pragma once
// Writes a grabbed picture as an image file: JPEG for snapshots, BMP for the
// report. The picture is handed to Qt's encoder unchanged and encoded with the
// encoder's default settings. The file is written beside its target and renamed
// over it only when the whole picture is written, so a failed write leaves an
// older file of that name as it was.

#include <QImage>
#include <optional>
#include <string>

namespace motrevix {

inline constexpr const char* kJpegFormat = "jpg";
inline constexpr const char* kBmpFormat = "bmp";

// Nothing on success; otherwise a message naming the file and what went wrong.
std::optional<std::string> WritePictureFile(const QImage& picture, const std::string& path,
                                            const char* format);

}  // namespace motrevix
