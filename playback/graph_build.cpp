// Building the graph for one recording: one or two picture channels, sound by the
// source's audio code, every connection by the pin connection rule.
#include <QRect>

#include "playback/colour_converter_filter.h"
#include "playback/filter_graph.h"
#include "playback/playback_graph.h"
#include "playback/playback_rules.h"
#include "playback/sound_renderer_filter.h"
#include "playback/stream_parse_filter.h"
#include "playback/video_decoder_filter.h"
#include "playback/video_renderer_filter.h"
#include "playback/video_surface.h"

namespace motrevix {
namespace {

constexpr int kMaxConnectAttempts = 3;

template <typename T>
std::shared_ptr<T> As(const std::shared_ptr<CBaseFilter>& filter) {
  return std::dynamic_pointer_cast<T>(filter);
}

}  // namespace

struct CPlaybackGraph::ChainNames {
  const char* audioDecoder;
  std::array<const char*, kMaxChannels> decoder;
  std::array<const char*, kMaxChannels> converter;
  std::array<const char*, kMaxChannels> renderer;
};

namespace {
const CPlaybackGraph::ChainNames kOneChannel{"COREAAC AUDIO",
                                             {"FFDShow Decoder1", nullptr},
                                             {"Color Space Convertor 1", nullptr},
                                             {"Mixing Renderer9", nullptr}};
const CPlaybackGraph::ChainNames kTwoChannels{
    "CoreAAC Decoder",
    {"FFDShow Decoder1", "FFDShow Decoder2"},
    {"Color Space Convertor 1", "Color Space Convertor 2"},
    {"Mixing Renderer9-1", "Mixing Renderer9-2"}};
}  // namespace

HResult CPlaybackGraph::Create(std::string_view id, const char* name,
                               std::shared_ptr<CBaseFilter>* out) {
  const HResult created = CreateComponent(id, m_options, out);
  if (created < 0) return created;
  return m_pGraph->AddFilter(*out, name);
}

template <typename T>
HResult CPlaybackGraph::CreateAs(std::string_view id, const char* name, std::shared_ptr<T>* out) {
  std::shared_ptr<CBaseFilter> filter;
  const HResult hr = Create(id, name, &filter);
  if (hr >= 0) *out = As<T>(filter);
  return hr;
}

HResult CPlaybackGraph::Build(const std::string& path) {
  if (m_bReady) Teardown();
  if (path.empty()) return kFalse;
  m_strPath = path;
  if (!ComponentAvailable(clsid::kFilterGraph, m_options)) return kClassNotRegistered;
  m_pGraph = std::make_unique<CFilterGraph>(
      m_options.timeSource != nullptr ? *m_options.timeSource : MonotonicTimeSource());

  std::shared_ptr<CBaseFilter> source;
  if (const HResult hr = Create(clsid::kStreamParser, "QVStreamParseFilter", &source); hr < 0)
    return hr;
  m_pSource = As<CStreamParseFilter>(source);
  if (ITextTrackReader* reader = m_pSource->TextTrackReader()) reader->SetReadMode(m_nReadMode);
  if (m_pSource->Load(path) != kOk) return kFalse;

  std::vector<std::string> names;
  for (const CPin* pin : m_pSource->PinsOf(PinDirection::Output)) names.push_back(pin->Name());
  m_nChannelCount = rules::CountVideoPins(names);
  // A file with no picture, or more than two, is not a recording of this camera:
  // report it as not loadable rather than as an open file that never plays.
  if (m_nChannelCount == 1) return BuildChannels(kOneChannel);
  if (m_nChannelCount == 2) return BuildChannels(kTwoChannels);
  return kFalse;
}

HResult CPlaybackGraph::AddAudioChain(const char* decoderName) {
  std::vector<rules::AudioPinInfo> pins;
  for (const CPin* pin : m_pSource->PinsOf(PinDirection::Output)) {
    const bool pcm = !pin->MediaTypes().empty() && pin->MediaTypes().front().sub == SubType::Pcm;
    pins.push_back({pin->Name(), pcm});
  }
  m_nAudioCode = rules::AudioCode(pins);
  if (m_nAudioCode <= 0) return kOk;
  std::shared_ptr<CBaseFilter> filter;
  if (m_nAudioCode < 1000) {
    if (const HResult hr = Create(clsid::kAacDecoder, decoderName, &filter); hr < 0) return hr;
    m_pAudioDecoder = As<CAacDecoderFilter>(filter);
  }
  if (Create(clsid::kSoundRenderer, "DirectSound Audio Renderer", &filter) >= 0)
    m_pAudioRenderer = As<CSoundRendererFilter>(filter);
  return kOk;  // without a sound renderer the pictures play without sound
}

HResult CPlaybackGraph::SetUpRenderer(CVideoRendererFilter* renderer,
                                      const std::shared_ptr<SurfaceSlot>& window, bool noBorder) {
  auto* config = dynamic_cast<IRendererConfig*>(renderer);
  if (config == nullptr) return kFalse;
  if (const HResult hr = config->SetRenderingMode(RenderingMode::Windowless); hr < 0) return hr;
  auto* control = dynamic_cast<IWindowlessControl*>(renderer);
  if (control == nullptr) return kFail;
  renderer->SetVideoClippingSlot(window);
  QRect client;
  if (window)
    window->With(
        [&](IVideoSurface& surface) { client = QRect(QPoint(0, 0), surface.ClientSize()); });
  control->SetVideoPosition(client);
  control->SetAspectRatioMode(AspectRatioMode::None);
  if (noBorder) config->SetRenderingPrefs(true);
  return kOk;
}

// Tries the free output pins of `upstream` against the free input pins of
// `downstream`, in their order, at most three pairs; true on the first success.
bool CPlaybackGraph::ConnectFilters(CBaseFilter* upstream, CBaseFilter* downstream) {
  if (upstream == nullptr || downstream == nullptr) return false;
  int attempts = 0;
  for (CPin* out : upstream->PinsOf(PinDirection::Output)) {
    if (out->ConnectedTo() != nullptr) continue;
    for (CPin* in : downstream->PinsOf(PinDirection::Input)) {
      if (in->ConnectedTo() != nullptr) continue;
      if (attempts == kMaxConnectAttempts) return false;
      ++attempts;
      if (m_pGraph->Connect(out, in) == kOk) return true;
    }
  }
  return false;
}

void CPlaybackGraph::ConnectAudioChain() {
  if (!m_pAudioRenderer) return;
  if (m_nAudioCode >= 1 && m_nAudioCode < 1000) {
    ConnectFilters(m_pSource.get(), m_pAudioDecoder.get());
    ConnectFilters(m_pAudioDecoder.get(), m_pAudioRenderer.get());
  } else if (m_nAudioCode >= 1000) {
    ConnectFilters(m_pSource.get(), m_pAudioRenderer.get());
  }
}

HResult CPlaybackGraph::BuildChannels(const ChainNames& names) {
  if (const HResult hr = AddAudioChain(names.audioDecoder); hr < 0) return hr;
  const auto count = static_cast<std::size_t>(m_nChannelCount);
  // Created in this order: every decoder, every converter, every renderer.
  for (std::size_t i = 0; i < count; ++i)
    if (const HResult hr = CreateAs(clsid::kVideoDecoder, names.decoder[i], &m_chains[i].decoder);
        hr < 0)
      return hr;
  for (std::size_t i = 0; i < count; ++i)
    if (const HResult hr =
            CreateAs(clsid::kColourConverter, names.converter[i], &m_chains[i].colour);
        hr < 0)
      return hr;
  for (std::size_t i = 0; i < count; ++i)
    if (const HResult hr =
            CreateAs(clsid::kVideoRenderer, names.renderer[i], &m_chains[i].renderer);
        hr < 0)
      return hr;
  // The front picture is drawn without a border, the rear one with it.
  for (std::size_t i = 0; i < count; ++i)
    if (const HResult hr = SetUpRenderer(m_chains[i].renderer.get(), m_chains[i].window, i == 0);
        hr != kOk)
      return hr;
  m_llCachedDuration = 0;
  ConnectAudioChain();
  for (std::size_t i = 0; i < count; ++i) {
    const VideoChain& chain = m_chains[i];
    ConnectFilters(m_pSource.get(), chain.decoder.get());
    ConnectFilters(chain.decoder.get(), chain.colour.get());
    ConnectFilters(chain.colour.get(), chain.renderer.get());
  }
  return FinishBuild();
}

HResult CPlaybackGraph::FinishBuild() {
  StopWhenReady();
  MediaTime duration = 0;
  GetDuration(&duration);
  // No first picture (nothing decodable before the end): the file cannot be played.
  const CVideoRendererFilter* front = m_chains[0].renderer.get();
  if (front == nullptr || front->PinsOf(PinDirection::Input).front()->ConnectedTo() == nullptr ||
      !front->HasPresented())
    return kFalse;
  return kOk;
}

}  // namespace motrevix
