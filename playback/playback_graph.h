#pragma once
// The pipeline object: one media graph for one recording, its components, the play
// state and a few cached values. Built by Build (graph_build.cpp); driven by the
// controller and, for run, pause, stop, frame step and repaint, by the main window.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "playback/component_factory.h"
#include "playback/play_state.h"

namespace motrevix {

class CBaseFilter;
class CFilterGraph;
class CStreamParseFilter;
class CVideoDecoderFilter;
class CAacDecoderFilter;
class CColourConverterFilter;
class CVideoRendererFilter;
class CSoundRendererFilter;
class IVideoSurface;
class SurfaceSlot;
class ITextTrackReader;
class IDecoderParams;

// What the video of one channel is, as its decoder took it.
struct VideoChannelInfo {
  std::string codec;  // "h264", "mpeg4", ...
  int width = 0;
  int height = 0;
};

class CPlaybackGraph {
 public:
  CPlaybackGraph(int renderLayout, IVideoSurface* frontWindow, IVideoSurface* rearWindow,
                 ComponentOptions options);
  CPlaybackGraph(int renderLayout, std::shared_ptr<SurfaceSlot> frontWindow,
                 std::shared_ptr<SurfaceSlot> rearWindow, ComponentOptions options);
  ~CPlaybackGraph();
  CPlaybackGraph(const CPlaybackGraph&) = delete;
  CPlaybackGraph& operator=(const CPlaybackGraph&) = delete;

  // Builds the graph for a file and cues its first picture: kOk, kFalse (not
  // loadable) or a negative error.
  HResult Build(const std::string& path);
  // Removes and releases every component; state Stopped.
  void Teardown();

  HResult Run();
  HResult Pause();
  HResult Stop();
  HResult StopWhenReady();
  bool FrameStep();
  void Repaint();
  // Points the renderers of a built graph at other surfaces (a null one stays);
  // each new surface is shown the picture shown now.
  void Reattach(IVideoSurface* frontWindow, IVideoSurface* rearWindow);
  void UpdateVideoRects();

  PlayState GetState() const { return m_nState; }
  int GetChannelCount() const { return m_nChannelCount; }
  bool HasGraph() const { return m_pGraph != nullptr; }
  bool IsReady() const { return m_bReady; }
  bool IsEnabled() const { return m_bEnabled; }
  void SetEnabled(bool enabled) { m_bEnabled = enabled; }
  float GetRate() const { return m_fRate; }
  void SetRequestedRate(float rate) { m_fRate = rate; }
  std::uint8_t GetReadMode() const { return m_nReadMode; }
  void SetReadMode(std::uint8_t mode) { m_nReadMode = mode; }
  const std::string& GetPath() const { return m_strPath; }
  MediaTime GetCachedDuration() const { return m_llCachedDuration; }
  int GetAudioCode() const { return m_nAudioCode; }

  // Timeline, in media time. GetDuration caches the first successful answer.
  HResult GetDuration(MediaTime* duration);
  HResult GetCurrentPosition(MediaTime* position) const;
  HResult SetPositions(MediaTime position);

  // Components, read directly (null when absent).
  CStreamParseFilter* GetSource() const { return m_pSource.get(); }
  ITextTrackReader* GetTextTrackReader() const;
  bool HasTelemetryTrack() const;
  // Channel 1 or 2.
  IDecoderParams* GetDecoderParams(int channel) const;
  CVideoDecoderFilter* GetDecoder(int channel) const;
  CVideoRendererFilter* GetRenderer(int channel) const;
  CSoundRendererFilter* GetAudioRenderer() const { return m_pAudioRenderer.get(); }
  CFilterGraph* GetFilterGraph() const { return m_pGraph.get(); }
  VideoChannelInfo GetVideoInfo(int channel) const;
  long long PresentedFrames(int channel) const;
  long long DroppedFrames(int channel) const;

  // Shows the picture at the current position again after a picture-stage change,
  // when the graph does not run (a running graph shows it with the next pictures).
  void RefreshPicture();
  // Waits until every renderer shows its picture after a start, seek or step.
  bool WaitUntilCued(int timeoutMs) const;
  // The stream has ended on every renderer.
  bool ReachedEnd() const;

  // The names the components of each chain carry, by channel count (graph_build.cpp).
  struct ChainNames;
  static constexpr int kMaxChannels = 2;

 private:
  HResult BuildChannels(const ChainNames& names);
  HResult AddAudioChain(const char* decoderName);
  HResult Create(std::string_view id, const char* name, std::shared_ptr<CBaseFilter>* out);
  // Create, keeping the component as its own type (used only where the graph is built).
  template <typename T>
  HResult CreateAs(std::string_view id, const char* name, std::shared_ptr<T>* out);
  HResult SetUpRenderer(CVideoRendererFilter* renderer, const std::shared_ptr<SurfaceSlot>& window,
                        bool noBorder);
  bool ConnectFilters(CBaseFilter* upstream, CBaseFilter* downstream);
  void ConnectAudioChain();
  HResult FinishBuild();

  ComponentOptions m_options;
  std::unique_ptr<CFilterGraph> m_pGraph;
  std::shared_ptr<CStreamParseFilter> m_pSource;
  // One picture chain per channel: source -> decoder -> colour converter -> renderer ->
  // window. Index 0 is the front channel (1), index 1 the rear (2).
  struct VideoChain {
    std::shared_ptr<CVideoDecoderFilter> decoder;
    std::shared_ptr<CColourConverterFilter> colour;
    std::shared_ptr<CVideoRendererFilter> renderer;
    std::shared_ptr<SurfaceSlot> window;
  };
  const VideoChain* ChainOf(int channel) const;

  std::array<VideoChain, kMaxChannels> m_chains;
  std::shared_ptr<CAacDecoderFilter> m_pAudioDecoder;
  std::shared_ptr<CSoundRendererFilter> m_pAudioRenderer;
  int m_nRenderLayout;
  bool m_bEnabled = true;
  bool m_bReady = false;
  float m_fRate = 1.0f;
  MediaTime m_llCachedDuration = 0;
  PlayState m_nState = PlayState::Idle;
  int m_nChannelCount = 0;
  int m_nAudioCode = 0;
  std::string m_strPath;
  std::uint8_t m_nReadMode = 1;
};

}  // namespace motrevix
