#pragma once
// The recording's source and splitter ("QVStreamParseFilter"): loads an AVI or MP4
// file with libavformat, offers one output pin per video stream ("Video 1",
// "Video 2", in stream order) and per sound stream ("Audio"), reads packets on its
// own thread, and offers the telemetry track through ITextTrackReader.

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/av_handles.h"
#include "playback/base_filter.h"
#include "playback/stream_roles.h"
#include "telemetry/text_track_reader.h"

namespace motrevix {

class TelemetryTrackFile;

class CStreamParseFilter : public CBaseFilter, public ISeekingSource {
 public:
  CStreamParseFilter();
  ~CStreamParseFilter() override;

  // The file-source interface: kOk when the file is a playable recording (it has
  // at least one picture stream), kFail otherwise. Pins exist right after.
  HResult Load(const std::string& path);

  // The telemetry track of the loaded file (records in track order).
  ITextTrackReader* TextTrackReader();
  bool HasTelemetryTrack() const;

  MediaTime Duration() const override { return duration_; }
  bool SeekTo(MediaTime time) override;

  void StartStreaming() override;
  void RequestStop() override;
  void JoinStreaming() override;

 private:
  class ReaderProxy;
  void ReadLoop();
  bool Throttled() const;
  MediaType TypeOf(const AVStream* stream) const;

  av::InputContext input_;
  std::vector<CPin*> pinOfStream_;
  std::vector<std::shared_ptr<const StreamFormat>> formatOfStream_;
  MediaTime duration_ = 0;
  std::unique_ptr<TelemetryTrackFile> telemetry_;
  std::unique_ptr<ReaderProxy> reader_;
  std::uint8_t readMode_ = 1;
  std::thread thread_;
  std::atomic<bool> stop_{false};
};

}  // namespace motrevix
