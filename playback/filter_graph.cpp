#include "playback/filter_graph.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "playback/stream_roles.h"

namespace motrevix {
namespace {

bool WaitFor(int timeoutMs, const auto& done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

}  // namespace

CFilterGraph::~CFilterGraph() {
  StopStreaming();
  for (const auto& filter : filters_)
    for (const auto& pin : filter->Pins()) Disconnect(pin.get());
}

HResult CFilterGraph::AddFilter(std::shared_ptr<CBaseFilter> filter, const std::string& name) {
  if (!filter) return kPointer;
  if (std::find(filters_.begin(), filters_.end(), filter) != filters_.end()) return kFail;
  StopStreaming();
  filter->JoinGraph(&clock_, name);
  filters_.push_back(std::move(filter));
  return kOk;
}

HResult CFilterGraph::RemoveFilter(CBaseFilter* filter) {
  auto it = std::find_if(filters_.begin(), filters_.end(),
                         [&](const auto& f) { return f.get() == filter; });
  if (it == filters_.end()) return kFail;
  StopStreaming();
  for (const auto& pin : filter->Pins()) Disconnect(pin.get());
  filter->JoinGraph(nullptr, filter->Name());
  filters_.erase(it);
  return kOk;
}

CBaseFilter* CFilterGraph::FindFilterByName(const std::string& name) const {
  for (const auto& filter : filters_)
    if (filter->Name() == name) return filter.get();
  return nullptr;
}

HResult CFilterGraph::Connect(CPin* output, CPin* input) {
  if (output == nullptr || input == nullptr) return kPointer;
  if (output->Direction() != PinDirection::Output || input->Direction() != PinDirection::Input)
    return kFail;
  if (output->peer_ != nullptr || input->peer_ != nullptr) return kAlreadyConnected;
  StopStreaming();
  for (const MediaType& type : output->MediaTypes()) {
    if (!input->Filter()->AcceptsInput(*input, type)) continue;
    output->peer_ = input;
    input->peer_ = output;
    output->connectionType_ = type;
    input->connectionType_ = type;
    const HResult upstream = output->Filter()->CompleteConnect(*output, type);
    const HResult downstream =
        upstream < 0 ? upstream : input->Filter()->CompleteConnect(*input, type);
    if (downstream >= 0) return kOk;
    Disconnect(output);
  }
  return kNoAcceptableTypes;
}

HResult CFilterGraph::Disconnect(CPin* pin) {
  if (pin == nullptr) return kPointer;
  CPin* peer = pin->peer_;
  if (peer == nullptr) return kFalse;
  StopStreaming();
  pin->peer_ = nullptr;
  peer->peer_ = nullptr;
  pin->Filter()->BreakConnect(*pin);
  peer->Filter()->BreakConnect(*peer);
  pin->connectionType_ = MediaType{};
  peer->connectionType_ = MediaType{};
  return kOk;
}

std::vector<IPresentationSink*> CFilterGraph::Sinks() const {
  std::vector<IPresentationSink*> sinks;
  for (const auto& filter : filters_) {
    auto* sink = dynamic_cast<IPresentationSink*>(filter.get());
    if (sink == nullptr) continue;
    const auto inputs = filter->PinsOf(PinDirection::Input);
    if (std::any_of(inputs.begin(), inputs.end(), [](CPin* p) { return p->ConnectedTo(); }))
      sinks.push_back(sink);
  }
  return sinks;
}

ISeekingSource* CFilterGraph::Source() const {
  for (const auto& filter : filters_)
    if (auto* source = dynamic_cast<ISeekingSource*>(filter.get())) return source;
  return nullptr;
}

void CFilterGraph::StartStreaming() {
  if (streaming_) return;
  streaming_ = true;
  // Consumers first, so that the source finds them ready.
  for (auto it = filters_.rbegin(); it != filters_.rend(); ++it) (*it)->StartStreaming();
  for (const auto& filter : filters_) filter->OnRunStateChanged(running_);
}

void CFilterGraph::StopStreaming() {
  if (!streaming_) return;
  for (const auto& filter : filters_) filter->RequestStop();
  clock_.Wake();
  for (const auto& filter : filters_) filter->JoinStreaming();
  for (const auto& filter : filters_) filter->Flush();
  streaming_ = false;
}

HResult CFilterGraph::Run() {
  StartStreaming();
  running_ = true;
  clock_.Start();
  for (const auto& filter : filters_) filter->OnRunStateChanged(true);
  return kOk;
}

HResult CFilterGraph::Pause() {
  running_ = false;
  clock_.Pause();
  for (const auto& filter : filters_) filter->OnRunStateChanged(false);
  StartStreaming();
  return kOk;
}

HResult CFilterGraph::Stop() { return Pause(); }

HResult CFilterGraph::StopWhenReady(int timeoutMs) {
  Pause();
  return WaitUntilCued(timeoutMs) ? kOk : kFalse;
}

HResult CFilterGraph::GetDuration(MediaTime* duration) const {
  if (duration == nullptr) return kPointer;
  const ISeekingSource* source = Source();
  if (source == nullptr) return kFail;
  *duration = source->Duration();
  return kOk;
}

bool CFilterGraph::ReachedEnd() const {
  if (!streaming_) return false;
  const auto sinks = Sinks();
  return !sinks.empty() &&
         std::all_of(sinks.begin(), sinks.end(), [](auto* s) { return s->ReachedEnd(); });
}

HResult CFilterGraph::GetCurrentPosition(MediaTime* position) const {
  if (position == nullptr) return kPointer;
  MediaTime duration = 0;
  const bool known = GetDuration(&duration) == kOk;
  if (known && ReachedEnd()) {
    *position = duration;
    return kOk;
  }
  MediaTime now = std::max<MediaTime>(0, clock_.Now());
  if (known) now = std::min(now, duration);
  *position = now;
  return kOk;
}

HResult CFilterGraph::SetPositions(MediaTime position) {
  ISeekingSource* source = Source();
  if (source == nullptr) return kFail;
  MediaTime duration = source->Duration();
  position = std::clamp<MediaTime>(position, 0, std::max<MediaTime>(0, duration));
  const bool wasStreaming = streaming_;
  StopStreaming();
  if (!source->SeekTo(position)) {
    if (wasStreaming) StartStreaming();
    return kFail;
  }
  clock_.SetTime(position);
  for (const auto& filter : filters_) filter->SetStartTime(position);
  if (wasStreaming) StartStreaming();
  return kOk;
}

HResult CFilterGraph::SetRate(double rate) {
  if (rate <= 0) return kFail;
  clock_.SetRate(rate);
  return kOk;
}

HResult CFilterGraph::CanStep() const {
  if (running_ || !streaming_) return kFalse;
  const auto sinks = Sinks();
  const bool hasVideo =
      std::any_of(sinks.begin(), sinks.end(), [](auto* s) { return s->IsVideo(); });
  return hasVideo && !ReachedEnd() ? kOk : kFalse;
}

HResult CFilterGraph::Step(int timeoutMs) {
  if (CanStep() != kOk) return kFalse;
  IPresentationSink* lead = nullptr;
  for (auto* sink : Sinks())
    if (sink->IsVideo()) {
      lead = sink;
      break;
    }
  std::optional<MediaTime> next;
  WaitFor(timeoutMs, [&] {
    next = lead->NextPictureTime();
    return next.has_value() || lead->Drained();
  });
  if (!next) return kFalse;
  clock_.SetTime(*next);
  const auto sinks = Sinks();
  WaitFor(timeoutMs, [&] {
    return std::all_of(sinks.begin(), sinks.end(), [&](auto* s) { return s->ShowsTime(*next); });
  });
  return kOk;
}

bool CFilterGraph::WaitUntilCued(int timeoutMs) const {
  const auto sinks = Sinks();
  return WaitFor(timeoutMs, [&] {
    return std::all_of(sinks.begin(), sinks.end(), [](auto* s) { return s->IsCued(); });
  });
}

}  // namespace motrevix
