#include "playback/playback_controller.h"

#include "platform/settings_store.h"
#include "playback/playback_rules.h"
#include "playback/video_decoder_filter.h"
#include "playback/video_renderer_filter.h"
#include "playback/video_surface.h"

namespace motrevix {

CPlaybackController::CPlaybackController() : CPlaybackController(ComponentOptions{}) {}

CPlaybackController::CPlaybackController(ComponentOptions options) : m_options(std::move(options)) {
  SettingsStore::Default().WriteDword(RegistryHive::LocalMachine, "SOFTWARE\\Velmatic",
                                      "usingDShow", 1);
}

CPlaybackController::~CPlaybackController() { Close(); }

std::unique_ptr<CPlaybackGraph> CPlaybackController::NewGraph() const {
  auto graph =
      std::make_unique<CPlaybackGraph>(m_nRenderLayout, m_pFrontWindow, m_pRearWindow, m_options);
  graph->SetEnabled(true);
  return graph;
}

void CPlaybackController::Attach(IVideoSurface* frontWindow, IVideoSurface* rearWindow) {
  m_nRenderLayout = 2;
  m_pFrontWindow = SlotOf(frontWindow);
  m_pRearWindow = SlotOf(rearWindow);
  if (m_pGraph && m_pGraph->HasGraph()) m_pGraph->Reattach(frontWindow, rearWindow);
  if (!m_pGraph) {
    m_pGraph = NewGraph();
    m_pGraph->SetReadMode(1);
  }
}

bool CPlaybackController::Open(const std::string& path) {
  if (m_pFrontWindow == nullptr || m_pFrontWindow->Empty() || path.empty()) return false;
  if (m_pGraph) {
    m_pGraph->Stop();
    SeekMs(0);
    Close();
  }
  m_pGraph = NewGraph();
  m_pGraph->SetReadMode(SourceReadMode);
  // Not loadable, and also a graph that could not be made whole: nothing to play.
  if (m_pGraph->Build(path) != kOk) {
    Close();
    return false;
  }
  return true;
}

void CPlaybackController::Close() {
  if (!m_pGraph) return;
  m_pGraph->Teardown();
  m_pGraph.reset();
}

PlayState CPlaybackController::GetState() const {
  return m_pGraph ? m_pGraph->GetState() : PlayState::Idle;
}

std::int64_t CPlaybackController::GetDurationMs() {
  MediaTime duration = 0;
  if (!m_pGraph || m_pGraph->GetDuration(&duration) != kOk) return 0;
  return rules::ToMs(duration);
}

std::int64_t CPlaybackController::GetPositionMs() {
  MediaTime position = 0;
  if (!m_pGraph || m_pGraph->GetCurrentPosition(&position) != kOk) return 0;
  return rules::ToMs(position);
}

bool CPlaybackController::SeekMs(std::int32_t ms) {
  if (!m_pGraph || !m_pGraph->HasGraph()) return true;
  return m_pGraph->SetPositions(rules::FromMs(ms)) == kOk;
}

bool CPlaybackController::SkipSeconds(double seconds) {
  if (!m_pGraph) return false;
  const PlayState state = m_pGraph->GetState();
  if (state != PlayState::Running && state != PlayState::Paused) return false;
  MediaTime position = 0;
  MediaTime duration = 0;
  if (m_pGraph->GetCurrentPosition(&position) != kOk) return false;
  if (seconds >= 0 && m_pGraph->GetDuration(&duration) != kOk) return false;
  const MediaTime target = rules::SkipTarget(position, seconds, duration);
  return m_pGraph->SetPositions(target) == kOk;
}

bool CPlaybackController::SetRate(float rate) {
  if (!m_pGraph) return false;
  const PlayState before = m_pGraph->GetState();
  m_pGraph->Pause();
  m_pGraph->SetRequestedRate(rate);
  if (before == PlayState::Running) return m_pGraph->Run() == kOk;
  return true;
}

void CPlaybackController::SetDecoderParam(int decoderChannel, std::int32_t number,
                                          std::int32_t value) {
  if (!m_pGraph) return;
  IDecoderParams* params = m_pGraph->GetDecoderParams(decoderChannel);
  if (params == nullptr) return;
  const CVideoDecoderFilter* decoder = m_pGraph->GetDecoder(decoderChannel);
  const PictureStages::Effect before = decoder->Stages().CurrentEffect();
  params->PutParam(number, value);
  // Show a visible change on the picture at once, also while paused.
  if (!(decoder->Stages().CurrentEffect() == before)) m_pGraph->RefreshPicture();
}

void CPlaybackController::SetBrightness(int decoderChannel, std::int32_t value) {
  SetDecoderParam(decoderChannel, kParamPicturePropertiesOn, 1);
  SetDecoderParam(decoderChannel, kParamBrightness, value);
}

bool CPlaybackController::GrabPicture(int grabChannel, QImage& bitmap) {
  if (!m_pGraph) return true;
  CVideoRendererFilter* renderer = nullptr;
  if (grabChannel == kGrabFront) renderer = m_pGraph->GetRenderer(1);
  if (grabChannel == kGrabRear && m_nRenderLayout == 2) renderer = m_pGraph->GetRenderer(2);
  if (renderer == nullptr) return false;
  QImage image;
  if (renderer->GetCurrentImage(&image) != kOk || image.isNull()) return false;
  bitmap = image.copy();
  return true;
}

int CPlaybackController::CheckFilters() {
  if (!m_pGraph) return -1;
  std::shared_ptr<CBaseFilter> probe;
  if (CreateComponent(clsid::kStreamParser, m_options, &probe) != kOk) return -1;
  probe.reset();
  if (CreateComponent(clsid::kVideoDecoder, m_options, &probe) != kOk) return -2;
  return 1;
}

}  // namespace motrevix
