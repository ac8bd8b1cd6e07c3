#pragma once
// What one generated recording holds, and how the command line sets it.

#include <string>
#include <vector>

#include "tools/make_recording/civil_time.h"

namespace motrevix::gen {

enum class VideoCodec { H264, Mpeg4 };
enum class AudioCodec { Aac, Pcm, None };
// What the sound carries: a steady tone, or a quiet tone with a loud click at
// every whole second (for measuring when sound is heard against the pictures).
enum class SoundPattern { Tone, Clicks };
enum class Container { Avi, Mp4 };

struct PictureSize {
  int width = 0;
  int height = 0;
};

struct RecordingOptions {
  std::string outPath;
  Container container = Container::Avi;
  int channels = 2;
  VideoCodec video = VideoCodec::H264;
  AudioCodec audio = AudioCodec::Aac;
  SoundPattern sound = SoundPattern::Tone;
  int seconds = 3;
  int fps = 30;
  PictureSize front{640, 360};
  PictureSize rear{320, 180};
  bool telemetry = true;
  CivilTime start;
  int keyframeSeconds = 1;
  // --bumps: times (ms) of the G-sensor's bumps; none given: one bump at 60 %.
  std::vector<int> bumpsMs;
};

struct CommandLine {
  RecordingOptions recording;
  std::string cardDir;  // --card: write a demo card instead of one recording
  std::string outDir;   // --dir: name the recording from --start, as the camera does
  std::string prefix = "N";
  bool help = false;
};

// Parses the arguments after the program name; false with a message on a bad one.
bool ParseCommandLine(const std::vector<std::string>& args, CommandLine& line, std::string& error);

std::string UsageText();

// The camera's name for a recording: PREFIX_YYYY_MM_DD_HH_MM_SS.EXT
std::string CameraFileName(const std::string& prefix, const CivilTime& start, Container container);

}  // namespace motrevix::gen
