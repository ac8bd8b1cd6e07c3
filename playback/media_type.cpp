#include "playback/media_type.h"

namespace motrevix {

const char* SubTypeName(SubType sub) {
  switch (sub) {
    case SubType::H264:
      return "H264";
    case SubType::Mpeg4:
      return "MP4V";
    case SubType::OtherVideo:
      return "video";
    case SubType::Aac:
      return "AAC";
    case SubType::Pcm:
      return "PCM";
    case SubType::OtherAudio:
      return "audio";
    case SubType::RawVideo:
      return "YUV";
    case SubType::Rgb32:
      return "RGB32";
    case SubType::RawAudio:
      return "raw audio";
    case SubType::Text:
      return "text";
    case SubType::Unknown:
      return "unknown";
  }
  return "unknown";
}

}  // namespace motrevix
