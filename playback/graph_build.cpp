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
  if (m_nChannelCount == 1) return BuildOneChannel();
  if (m_nChannelCount == 2) return BuildTwoChannels();
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

HResult CPlaybackGraph::BuildOneChannel() {
  if (const HResult hr = AddAudioChain("COREAAC AUDIO"); hr < 0) return hr;
  if (const HResult hr = CreateAs(clsid::kVideoDecoder, "FFDShow Decoder1", &m_pDecoder1); hr < 0)
    return hr;
  if (const HResult hr = CreateAs(clsid::kColourConverter, "Color Space Convertor 1", &m_pColour1);
      hr < 0)
    return hr;
  if (const HResult hr = CreateAs(clsid::kVideoRenderer, "Mixing Renderer9", &m_pRenderer1); hr < 0)
    return hr;
  if (const HResult hr = SetUpRenderer(m_pRenderer1.get(), m_pFrontWindow, true); hr != kOk)
    return hr;
  m_llCachedDuration = 0;
  ConnectAudioChain();
  ConnectFilters(m_pSource.get(), m_pDecoder1.get());
  ConnectFilters(m_pDecoder1.get(), m_pColour1.get());
  ConnectFilters(m_pColour1.get(), m_pRenderer1.get());
  return FinishBuild();
}

HResult CPlaybackGraph::BuildTwoChannels() {
  if (const HResult hr = AddAudioChain("CoreAAC Decoder"); hr < 0) return hr;
  // Created in this order: both decoders, both converters, both renderers.
  if (const HResult hr = CreateAs(clsid::kVideoDecoder, "FFDShow Decoder1", &m_pDecoder1); hr < 0)
    return hr;
  if (const HResult hr = CreateAs(clsid::kVideoDecoder, "FFDShow Decoder2", &m_pDecoder2); hr < 0)
    return hr;
  if (const HResult hr = CreateAs(clsid::kColourConverter, "Color Space Convertor 1", &m_pColour1);
      hr < 0)
    return hr;
  if (const HResult hr = CreateAs(clsid::kColourConverter, "Color Space Convertor 2", &m_pColour2);
      hr < 0)
    return hr;
  if (const HResult hr = CreateAs(clsid::kVideoRenderer, "Mixing Renderer9-1", &m_pRenderer1);
      hr < 0)
    return hr;
  if (const HResult hr = CreateAs(clsid::kVideoRenderer, "Mixing Renderer9-2", &m_pRenderer2);
      hr < 0)
    return hr;
  if (const HResult hr = SetUpRenderer(m_pRenderer1.get(), m_pFrontWindow, true); hr != kOk)
    return hr;
  if (const HResult hr = SetUpRenderer(m_pRenderer2.get(), m_pRearWindow, false); hr != kOk)
    return hr;
  m_llCachedDuration = 0;
  ConnectAudioChain();
  ConnectFilters(m_pSource.get(), m_pDecoder1.get());
  ConnectFilters(m_pDecoder1.get(), m_pColour1.get());
  ConnectFilters(m_pColour1.get(), m_pRenderer1.get());
  ConnectFilters(m_pSource.get(), m_pDecoder2.get());
  ConnectFilters(m_pDecoder2.get(), m_pColour2.get());
  ConnectFilters(m_pColour2.get(), m_pRenderer2.get());
  return FinishBuild();
}

HResult CPlaybackGraph::FinishBuild() {
  StopWhenReady();
  MediaTime duration = 0;
  GetDuration(&duration);
  // No first picture (nothing decodable before the end): the file cannot be played.
  if (!m_pRenderer1 ||
      m_pRenderer1->PinsOf(PinDirection::Input).front()->ConnectedTo() == nullptr ||
      !m_pRenderer1->HasPresented())
    return kFalse;
  return kOk;
}

}  // namespace motrevix
