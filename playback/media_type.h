#pragma once
// Media types carried by pins: what flows between two components.

#include <memory>
#include <string>

namespace motrevix {

struct StreamFormat;  // codec parameters and time base of one stream (stream_format.h)

enum class MajorType { Video, Audio, Text, Data };
enum class SubType {
  H264,   // compressed video
  Mpeg4,  // MPEG-4 visual
  OtherVideo,
  Aac,  // compressed sound
  Pcm,  // uncompressed sound (the PCM subtype)
  OtherAudio,
  RawVideo,  // decoded pictures, planar YUV
  Rgb32,     // converted pictures, packed 32-bit
  RawAudio,  // decoded sound
  Text,
  Unknown,
};

struct MediaType {
  MajorType major = MajorType::Data;
  SubType sub = SubType::Unknown;
  int width = 0;  // pictures
  int height = 0;
  int sampleRate = 0;  // sound
  int channels = 0;
  std::string codecName;                       // e.g. "h264", "aac", "pcm_s16le"
  std::shared_ptr<const StreamFormat> format;  // what a decoder needs to open the stream
};

const char* SubTypeName(SubType sub);

}  // namespace motrevix
