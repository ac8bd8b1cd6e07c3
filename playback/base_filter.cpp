#include "playback/base_filter.h"

#include "playback/media_sample.h"

namespace motrevix {

std::vector<CPin*> CBaseFilter::PinsOf(PinDirection direction) const {
  std::vector<CPin*> result;
  for (const auto& pin : pins_)
    if (pin->Direction() == direction) result.push_back(pin.get());
  return result;
}

CPin& CBaseFilter::AddPin(std::string name, PinDirection direction) {
  pins_.push_back(std::make_unique<CPin>(this, std::move(name), direction));
  return *pins_.back();
}

bool CPin::Deliver(MediaSample&& sample) {
  if (direction_ != PinDirection::Output || peer_ == nullptr) return false;
  return peer_->Filter()->Receive(*peer_, std::move(sample));
}

}  // namespace motrevix
