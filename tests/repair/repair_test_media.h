#pragma once
// Recordings and MPEG-4 visual pictures for the repair tests, made at test time.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace motrevix::test {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const Bytes& bytes);

// Waits (up to 30 s) until no H.264 run folder is left in the recovery folder, that
// is until every started script has ended and removed its work files.
bool WaitForH264Runs(const std::filesystem::path& recoveryFolder);

// Writes a recording with make-recording: MPEG-4 visual, front 640 x 480 unless told.
std::filesystem::path MakeMpeg4Recording(const std::filesystem::path& file,
                                         const std::vector<std::string>& extra = {});

// The front channel's pictures of a recording, copied out by ffmpeg into an
// elementary stream and split at the VOP start codes.
std::vector<Bytes> FrontPictures(const std::filesystem::path& recording);

// Offsets of every 00 00 01 B6 in `bytes`.
std::vector<std::size_t> VopOffsets(const Bytes& bytes);

// The pictures one after the other.
Bytes ConcatenatePictures(const std::vector<Bytes>& pictures);

}  // namespace motrevix::test
