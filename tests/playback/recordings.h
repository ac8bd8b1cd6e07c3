#pragma once
// Recordings for the playback tests, made once per test program by make-recording
// and shared by the tests that ask for the same kind.

#include <QImage>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "tools/frame_pattern/frame_pattern.h"

namespace motrevix::pattern {
// Failing expectations print "frame 45 rear", not the object's bytes.
inline void PrintTo(const FrameMark& mark, std::ostream* os) {
  *os << "frame " << mark.frameNumber << (mark.channel == Channel::Rear ? " rear" : " front");
}
}  // namespace motrevix::pattern

namespace motrevix::test {

struct RecordingKind {
  std::string container = "AVI";  // AVI or MP4
  int channels = 2;
  std::string video = "h264";
  std::string audio = "aac";  // aac, pcm, none
  int seconds = 2;
  bool telemetry = true;
  std::string sound = "tone";  // tone, clicks (make-recording --sound)

  std::string Name() const;
};

inline void PrintTo(const RecordingKind& kind, std::ostream* os) { *os << kind.Name(); }

// The path of a recording of that kind (made on first use; the test fails when
// the generator fails).
std::filesystem::path Recording(const RecordingKind& kind);

// When each picture of a video stream (0 front, 1 rear) starts, in ms, as ffprobe
// reads the file: picture n is the n-th packet (the recordings have no B-frames).
std::vector<double> PictureTimesMs(const std::filesystem::path& file, int videoStream);

// The number of the picture on screen at `ms`: the last one that starts by then.
int PictureAt(const std::vector<double>& timesMs, double ms);

// The frame mark read from a grabbed picture.
std::optional<pattern::FrameMark> MarkOf(const QImage& picture);

// Points the registry layer at a file of this test program.
void UseScratchSettings();

}  // namespace motrevix::test
