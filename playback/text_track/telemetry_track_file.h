#pragma once
// The telemetry track of a recording file, read record by record on libavformat.
// MP4: the mov_text track, one record per non-empty sample (after its 2-byte
// length). AVI: the data stream, one record per chunk (after its 4-byte time
// stamp). See docs/recording-format.md.

#include <cstdint>
#include <string>

#include "platform/av_handles.h"
#include "telemetry/text_track_reader.h"

namespace motrevix {

class TelemetryTrackFile : public ITextTrackReader {
 public:
  // Answer of ReadRecord when the arguments cannot take a record (no buffer, no
  // room, no place for the time stamp): nothing is read or delivered.
  static constexpr int kReadRecordBadArguments = 22;

  // Opens the recording and finds its telemetry track. False when the file cannot
  // be opened as a recording (AVI or MP4). A recording without a telemetry track
  // opens fine and answers kReadRecordEnd at once.
  bool Open(const std::string& path);
  bool HasTrack() const { return trackIndex_ >= 0; }

  // Only mode 0 (all records in track order) is defined; it is stored and the
  // track reads the same in every mode.
  void SetReadMode(std::uint8_t mode) override { readMode_ = mode; }
  std::uint8_t ReadMode() const { return readMode_; }

  // Copies the next record (at most length bytes; a longer one is cut) and a
  // terminating zero when there is room. kReadRecordEnd at the end of the track,
  // and also when the file cannot be read further (a damaged tail ends the track).
  int ReadRecord(std::uint8_t* buffer, std::int32_t length, std::int32_t* timestampMs) override;

 private:
  enum class Layout { kTimedText, kStampedChunks };

  // Finds the record inside one packet; false for a packet that holds none.
  bool ExtractRecord(const AVPacket& packet, const std::uint8_t** record, int* size,
                     std::int32_t* timestampMs) const;

  av::InputContext input_;
  av::Packet packet_;
  int trackIndex_ = -1;
  Layout layout_ = Layout::kTimedText;
  std::uint8_t readMode_ = 0;
};

}  // namespace motrevix
