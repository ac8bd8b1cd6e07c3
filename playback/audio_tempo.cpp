#include "playback/audio_tempo.h"

#include <cstdio>

extern "C" {
#include <libavfilter/avfilter.h>
#include <libavfilter/buffersink.h>
#include <libavfilter/buffersrc.h>
}

namespace motrevix {

AudioTempo::~AudioTempo() { Reset(); }

void AudioTempo::Reset() {
  avfilter_graph_free(&graph_);
  source_ = sink_ = nullptr;
  sampleRate_ = 0;
}

bool AudioTempo::Configure(int sampleRate, double tempo) {
  Reset();
  graph_ = avfilter_graph_alloc();
  if (graph_ == nullptr) return false;
  char args[160];
  std::snprintf(args, sizeof args,
                "time_base=1/%d:sample_rate=%d:sample_fmt=s16:channel_layout=stereo", sampleRate,
                sampleRate);
  char tempoArgs[32];
  std::snprintf(tempoArgs, sizeof tempoArgs, "tempo=%.4f", tempo);
  AVFilterContext* tempoFilter = nullptr;
  if (avfilter_graph_create_filter(&source_, avfilter_get_by_name("abuffer"), "in", args, nullptr,
                                   graph_) < 0 ||
      avfilter_graph_create_filter(&tempoFilter, avfilter_get_by_name("atempo"), "tempo", tempoArgs,
                                   nullptr, graph_) < 0 ||
      avfilter_graph_create_filter(&sink_, avfilter_get_by_name("abuffersink"), "out", nullptr,
                                   nullptr, graph_) < 0 ||
      avfilter_link(source_, 0, tempoFilter, 0) < 0 ||
      avfilter_link(tempoFilter, 0, sink_, 0) < 0 || avfilter_graph_config(graph_, nullptr) < 0) {
    Reset();
    return false;
  }
  sampleRate_ = sampleRate;
  tempo_ = tempo;
  return true;
}

bool AudioTempo::Process(AVFrame* frame, std::vector<av::Frame>& out) {
  if (graph_ == nullptr) return false;
  if (av_buffersrc_add_frame_flags(source_, frame, AV_BUFFERSRC_FLAG_KEEP_REF) < 0) return false;
  for (;;) {
    av::Frame result = av::MakeFrame();
    if (av_buffersink_get_frame(sink_, result.get()) < 0) break;
    out.push_back(std::move(result));
  }
  return true;
}

}  // namespace motrevix
