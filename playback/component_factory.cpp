#include "playback/component_factory.h"

#include "playback/colour_converter_filter.h"
#include "playback/sound_renderer_filter.h"
#include "playback/stream_parse_filter.h"
#include "playback/video_decoder_filter.h"
#include "playback/video_renderer_filter.h"

namespace motrevix {

bool ComponentAvailable(std::string_view id, const ComponentOptions& options) {
  return options.unavailable.find(id) == options.unavailable.end();
}

HResult CreateComponent(std::string_view id, const ComponentOptions& options,
                        std::shared_ptr<CBaseFilter>* component) {
  if (component == nullptr) return kPointer;
  component->reset();
  if (!ComponentAvailable(id, options)) return kClassNotRegistered;
  if (id == clsid::kStreamParser) {
    *component = std::make_shared<CStreamParseFilter>();
  } else if (id == clsid::kVideoDecoder) {
    *component = std::make_shared<CVideoDecoderFilter>();
  } else if (id == clsid::kAacDecoder) {
    *component = std::make_shared<CAacDecoderFilter>();
  } else if (id == clsid::kColourConverter) {
    *component = std::make_shared<CColourConverterFilter>();
  } else if (id == clsid::kVideoRenderer) {
    *component = std::make_shared<CVideoRendererFilter>();
  } else if (id == clsid::kSoundRenderer) {
    std::unique_ptr<ISoundOutput> output =
        options.soundOutput ? options.soundOutput() : MakeDefaultSoundOutput();
    if (!output) return kClassNotRegistered;
    *component = std::make_shared<CSoundRendererFilter>(std::move(output));
  } else {
    return kClassNotRegistered;
  }
  return kOk;
}

}  // namespace motrevix
