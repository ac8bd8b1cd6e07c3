#pragma once
// A component's input or output pin: a name, a direction, the media types it
// offers, and the pin it is connected to.

#include <string>
#include <vector>

#include "playback/media_type.h"

namespace motrevix {

class CBaseFilter;
struct MediaSample;

enum class PinDirection { Input, Output };

class CPin {
 public:
  CPin(CBaseFilter* owner, std::string name, PinDirection direction)
      : owner_(owner), name_(std::move(name)), direction_(direction) {}
  CPin(const CPin&) = delete;
  CPin& operator=(const CPin&) = delete;

  const std::string& Name() const { return name_; }
  PinDirection Direction() const { return direction_; }
  CBaseFilter* Filter() const { return owner_; }
  CPin* ConnectedTo() const { return peer_; }
  const MediaType& ConnectionType() const { return connectionType_; }

  // The types an output pin offers, preferred first.
  const std::vector<MediaType>& MediaTypes() const { return mediaTypes_; }
  void SetMediaTypes(std::vector<MediaType> types) { mediaTypes_ = std::move(types); }

  // Output pin: hands a sample to the connected input pin's component. False when
  // the pin is not connected or streaming is stopping.
  bool Deliver(MediaSample&& sample);

 private:
  friend class CFilterGraph;
  CBaseFilter* owner_;
  std::string name_;
  PinDirection direction_;
  CPin* peer_ = nullptr;
  MediaType connectionType_;
  std::vector<MediaType> mediaTypes_;
};

}  // namespace motrevix
