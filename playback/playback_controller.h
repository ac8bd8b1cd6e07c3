#pragma once
// The playback controller: the one object through which the main window plays a
// recording. It keeps the two video surfaces, makes a pipeline object for every
// recording and offers open, close, seek, skip, rate, decoder parameters and grab.
// Every call comes from the UI thread and returns without waiting for the stream
// (Open waits until the first picture is cued).
//
// The pipeline holds the surfaces through their slots: a surface may be destroyed
// while a recording plays (its channel then draws nowhere), and Attach re-points
// the renderers of an open pipeline.

#include <QImage>
#include <cstdint>
#include <memory>
#include <string>

#include "playback/component_factory.h"
#include "playback/playback_graph.h"

namespace motrevix {

class IVideoSurface;
class SurfaceSlot;

// The two calls that name a channel count differently, as the components they
// reach do: the decoder parameters from 1, the picture grab from 0. Use these.
inline constexpr int kDecoderFront = 1;
inline constexpr int kDecoderRear = 2;
inline constexpr int kGrabFront = 0;
inline constexpr int kGrabRear = 1;

class CPlaybackController {
 public:
  // Writes "usingDShow" = 1 under HKEY_LOCAL_MACHINE\SOFTWARE\Velmatic (failures ignored).
  CPlaybackController();
  explicit CPlaybackController(ComponentOptions options);
  ~CPlaybackController();
  CPlaybackController(const CPlaybackController&) = delete;
  CPlaybackController& operator=(const CPlaybackController&) = delete;

  void Attach(IVideoSurface* frontWindow, IVideoSurface* rearWindow);
  bool Open(const std::string& path);
  void Close();

  std::int64_t GetDurationMs();
  std::int64_t GetPositionMs();
  bool SeekMs(std::int32_t ms);
  bool SkipSeconds(double seconds);
  bool SetRate(float rate);
  // decoderChannel: kDecoderFront (1) or kDecoderRear (2).
  void SetDecoderParam(int decoderChannel, std::int32_t number, std::int32_t value);
  void SetBrightness(int decoderChannel, std::int32_t value);
  // grabChannel: kGrabFront (0) or kGrabRear (1). The picture shown, at its own size.
  bool GrabPicture(int grabChannel, QImage& bitmap);
  // 1 when the source and the video decoder can be made; -1 source missing (or no
  // pipeline object), -2 video decoder missing.
  int CheckFilters();

  // The pipeline object of the open recording (null without one).
  CPlaybackGraph* Graph() const { return m_pGraph.get(); }
  PlayState GetState() const;  // Idle without a pipeline object
  bool HasPipeline() const { return m_pGraph != nullptr; }
  int GetChannelCount() const { return m_pGraph ? m_pGraph->GetChannelCount() : 0; }
  int GetRenderLayout() const { return m_nRenderLayout; }

  // Handed to the source's text-track reader before a file is loaded.
  std::uint8_t SourceReadMode = 1;

 private:
  std::unique_ptr<CPlaybackGraph> NewGraph() const;

  ComponentOptions m_options;
  int m_nRenderLayout = 0;
  std::shared_ptr<SurfaceSlot> m_pFrontWindow;
  std::shared_ptr<SurfaceSlot> m_pRearWindow;
  std::unique_ptr<CPlaybackGraph> m_pGraph;
};

}  // namespace motrevix
