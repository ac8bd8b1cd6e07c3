#include "playback/playback_graph.h"

#include <QRect>
#include <optional>
#include <vector>

#include "playback/colour_converter_filter.h"
#include "playback/filter_graph.h"
#include "playback/playback_rules.h"
#include "playback/sound_renderer_filter.h"
#include "playback/stream_parse_filter.h"
#include "playback/video_decoder_filter.h"
#include "playback/video_renderer_filter.h"
#include "playback/video_surface.h"

namespace motrevix {
namespace {
constexpr int kCueTimeoutMs = 5000;
constexpr HResult kRefused = -1;
}  // namespace

CPlaybackGraph::CPlaybackGraph(int renderLayout, IVideoSurface* frontWindow,
                               IVideoSurface* rearWindow, ComponentOptions options)
    : CPlaybackGraph(renderLayout, SlotOf(frontWindow), SlotOf(rearWindow), std::move(options)) {}

CPlaybackGraph::CPlaybackGraph(int renderLayout, std::shared_ptr<SurfaceSlot> frontWindow,
                               std::shared_ptr<SurfaceSlot> rearWindow, ComponentOptions options)
    : m_options(std::move(options)), m_nRenderLayout(renderLayout) {
  m_chains[0].window = std::move(frontWindow);
  m_chains[1].window = std::move(rearWindow);
}

CPlaybackGraph::~CPlaybackGraph() { Teardown(); }

void CPlaybackGraph::Teardown() {
  m_nState = *rules::NextState(m_nState, rules::Command::Teardown);
  if (!m_pGraph) return;
  // Sound renderer, renderers, decoders, sound decoder, source, converters: in this order.
  std::vector<std::shared_ptr<CBaseFilter>> named{m_pAudioRenderer};
  for (const VideoChain& chain : m_chains) named.push_back(chain.renderer);
  for (const VideoChain& chain : m_chains) named.push_back(chain.decoder);
  named.push_back(m_pAudioDecoder);
  named.push_back(m_pSource);
  for (const VideoChain& chain : m_chains) named.push_back(chain.colour);
  for (const auto& filter : named)
    if (filter) m_pGraph->RemoveFilter(filter.get());
  named.clear();
  m_pAudioRenderer.reset();
  m_pAudioDecoder.reset();
  m_pSource.reset();
  for (VideoChain& chain : m_chains) {
    chain.renderer.reset();
    chain.decoder.reset();
    chain.colour.reset();
  }
  // Whatever else is left: remove the components that have no connection.
  for (const auto& filter : m_pGraph->EnumFilters()) {
    bool connected = false;
    for (const auto& pin : filter->Pins()) connected = connected || pin->ConnectedTo() != nullptr;
    if (!connected) m_pGraph->RemoveFilter(filter.get());
  }
  m_pGraph.reset();
  m_bReady = false;
}

HResult CPlaybackGraph::Run() {
  if (!m_bEnabled) return kRefused;
  const std::optional<PlayState> next = rules::NextState(m_nState, rules::Command::Run);
  if (!next) return kWrongState;
  if (!m_pGraph) return kFail;
  MediaTime position = 0;
  MediaTime duration = 0;
  if (GetCurrentPosition(&position) == kOk && GetDuration(&duration) == kOk && position == duration)
    SetPositions(0);
  m_fRate = rules::RunRate(m_fRate);
  m_pGraph->SetRate(m_fRate);
  m_pGraph->Run();
  m_nState = *next;
  if (m_pAudioRenderer) m_pAudioRenderer->put_Balance(0);
  return kOk;
}

HResult CPlaybackGraph::Pause() {
  if (!m_bEnabled) return kRefused;
  const std::optional<PlayState> next = rules::NextState(m_nState, rules::Command::Pause);
  if (!next) return kWrongState;
  if (!m_pGraph) return kFail;
  m_pGraph->Pause();
  m_nState = *next;
  return kOk;
}

HResult CPlaybackGraph::Stop() {
  if (!m_bEnabled) return kRefused;
  const std::optional<PlayState> next = rules::NextState(m_nState, rules::Command::Stop);
  if (!next) return kWrongState;
  if (!m_pGraph) return kFail;
  m_pGraph->Stop();
  m_nState = *next;
  return kOk;
}

HResult CPlaybackGraph::StopWhenReady() {
  if (!m_pGraph) return kFail;
  const HResult result = m_pGraph->StopWhenReady(kCueTimeoutMs);
  m_nState = *rules::NextState(m_nState, rules::Command::StopWhenReady);
  m_bReady = true;
  return result;
}

bool CPlaybackGraph::FrameStep() {
  if (!m_pGraph || m_pGraph->CanStep() != kOk) return false;
  return m_pGraph->Step() == kOk;
}

void CPlaybackGraph::Repaint() {
  if (m_chains[0].renderer) m_chains[0].renderer->RepaintVideo();
}

void CPlaybackGraph::UpdateVideoRects() {
  auto update = [](CVideoRendererFilter* renderer, const std::shared_ptr<SurfaceSlot>& window) {
    if (renderer == nullptr || window == nullptr) return;
    QSize client;
    if (!window->With([&](IVideoSurface& surface) { client = surface.ClientSize(); })) return;
    renderer->SetVideoPosition(QRect(QPoint(0, 0), client));
    renderer->RepaintVideo();
  };
  update(m_chains[0].renderer.get(), m_chains[0].window);
  if (m_nRenderLayout == 2) update(m_chains[1].renderer.get(), m_chains[1].window);
}

void CPlaybackGraph::Reattach(IVideoSurface* frontWindow, IVideoSurface* rearWindow) {
  auto repoint = [](CVideoRendererFilter* renderer, std::shared_ptr<SurfaceSlot>& held,
                    IVideoSurface* surface) {
    if (surface == nullptr) return;
    held = surface->Slot();
    if (renderer == nullptr) return;
    renderer->SetVideoClippingSlot(held);
    renderer->SetVideoPosition(QRect(QPoint(0, 0), surface->ClientSize()));
  };
  repoint(m_chains[0].renderer.get(), m_chains[0].window, frontWindow);
  repoint(m_chains[1].renderer.get(), m_chains[1].window, rearWindow);
}

HResult CPlaybackGraph::GetDuration(MediaTime* duration) {
  if (duration == nullptr) return kPointer;
  if (m_llCachedDuration != 0) {
    *duration = m_llCachedDuration;
    return kOk;
  }
  if (!m_pGraph) return kFail;
  const HResult result = m_pGraph->GetDuration(duration);
  if (result == kOk) m_llCachedDuration = *duration;
  return result;
}

HResult CPlaybackGraph::GetCurrentPosition(MediaTime* position) const {
  if (!m_pGraph) return kFail;
  return m_pGraph->GetCurrentPosition(position);
}

HResult CPlaybackGraph::SetPositions(MediaTime position) {
  if (!m_pGraph) return kFail;
  return m_pGraph->SetPositions(position);
}

ITextTrackReader* CPlaybackGraph::GetTextTrackReader() const {
  return m_pSource ? m_pSource->TextTrackReader() : nullptr;
}

bool CPlaybackGraph::HasTelemetryTrack() const {
  return m_pSource && m_pSource->HasTelemetryTrack();
}

const CPlaybackGraph::VideoChain* CPlaybackGraph::ChainOf(int channel) const {
  if (channel < 1 || channel > kMaxChannels) return nullptr;
  return &m_chains[static_cast<std::size_t>(channel - 1)];
}

CVideoDecoderFilter* CPlaybackGraph::GetDecoder(int channel) const {
  const VideoChain* chain = ChainOf(channel);
  return chain ? chain->decoder.get() : nullptr;
}

IDecoderParams* CPlaybackGraph::GetDecoderParams(int channel) const { return GetDecoder(channel); }

CVideoRendererFilter* CPlaybackGraph::GetRenderer(int channel) const {
  const VideoChain* chain = ChainOf(channel);
  return chain ? chain->renderer.get() : nullptr;
}

VideoChannelInfo CPlaybackGraph::GetVideoInfo(int channel) const {
  const CVideoDecoderFilter* decoder = GetDecoder(channel);
  if (decoder == nullptr) return {};
  const MediaType& type = decoder->InputType();
  return {type.codecName, type.width, type.height};
}

long long CPlaybackGraph::PresentedFrames(int channel) const {
  const CVideoRendererFilter* renderer = GetRenderer(channel);
  return renderer ? renderer->PresentedCount() : 0;
}

long long CPlaybackGraph::DroppedFrames(int channel) const {
  const CVideoRendererFilter* renderer = GetRenderer(channel);
  return renderer ? renderer->DroppedCount() : 0;
}

void CPlaybackGraph::RefreshPicture() {
  if (!m_pGraph || !m_bReady || m_nState == PlayState::Running) return;
  MediaTime position = 0;
  if (GetCurrentPosition(&position) == kOk) SetPositions(position);
}

bool CPlaybackGraph::WaitUntilCued(int timeoutMs) const {
  return m_pGraph && m_pGraph->WaitUntilCued(timeoutMs);
}

bool CPlaybackGraph::ReachedEnd() const { return m_pGraph && m_pGraph->ReachedEnd(); }

}  // namespace motrevix
