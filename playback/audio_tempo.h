#pragma once
// Changes the tempo of 16-bit stereo sound without changing its pitch (libavfilter
// atempo), for playback rates other than 1.0.

#include <vector>

#include "platform/av_handles.h"

struct AVFilterGraph;
struct AVFilterContext;

namespace motrevix {

class AudioTempo {
 public:
  AudioTempo() = default;
  ~AudioTempo();
  AudioTempo(const AudioTempo&) = delete;
  AudioTempo& operator=(const AudioTempo&) = delete;

  // Sets up the filter for this sample rate and tempo; false when it cannot.
  bool Configure(int sampleRate, double tempo);
  double Tempo() const { return tempo_; }
  bool Ready() const { return graph_ != nullptr; }
  // Feeds one frame (S16 interleaved stereo) and collects what the filter gives back.
  bool Process(AVFrame* frame, std::vector<av::Frame>& out);
  void Reset();

 private:
  AVFilterGraph* graph_ = nullptr;
  AVFilterContext* source_ = nullptr;
  AVFilterContext* sink_ = nullptr;
  int sampleRate_ = 0;
  double tempo_ = 1.0;
};

}  // namespace motrevix
