#pragma once
// Components made by class identifier, as the graph build names them.

#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "playback/play_state.h"
#include "playback/sound_output.h"

namespace motrevix {

class TimeSource;

class CBaseFilter;

namespace clsid {
inline constexpr std::string_view kFilterGraph = "{E436EBB3-524F-11CE-9F53-0020AF0BA770}";
inline constexpr std::string_view kStreamParser = "{046814AD-616F-4DF8-B600-0234759FF57F}";
inline constexpr std::string_view kAacDecoder = "{6AC7C19E-8CA0-4E3D-9A9F-2881DE29E0AC}";
inline constexpr std::string_view kSoundRenderer = "{79376820-07D0-11CF-A24D-0020AFD79767}";
inline constexpr std::string_view kVideoDecoder = "{2BD6A557-9A76-4DAF-805E-C1FA73C9CF0D}";
inline constexpr std::string_view kColourConverter = "{1643E180-90F5-11CE-97D5-00AA0055595A}";
inline constexpr std::string_view kVideoRenderer = "{B87BEB7B-8D29-423F-AE4D-6582C10175AC}";
}  // namespace clsid

struct ComponentOptions {
  // Makes the sound renderer's output; the default picks the Qt or the null backend.
  SoundOutputFactory soundOutput;
  // Class identifiers that cannot be created (a component missing from a system).
  std::set<std::string, std::less<>> unavailable;
  // Where the graphs' clocks read the time (tests drive a manual source; it must
  // outlive the graphs); null for the monotonic clock.
  const TimeSource* timeSource = nullptr;
};

// kOk with the new component, or kClassNotRegistered.
HResult CreateComponent(std::string_view id, const ComponentOptions& options,
                        std::shared_ptr<CBaseFilter>* component);
bool ComponentAvailable(std::string_view id, const ComponentOptions& options);

}  // namespace motrevix
