#pragma once
// The reader of a recording's telemetry track, as the telemetry reader needs it and
// the source component offers it.

#include <cstdint>

namespace motrevix {

class ITextTrackReader {
 public:
  virtual ~ITextTrackReader() = default;

  // Called once before the file is loaded; the viewer always passes 0.
  virtual void SetReadMode(std::uint8_t mode) = 0;

  // Copies the next record, in track order, into buffer (at most length bytes)
  // and stores its time stamp in milliseconds. Returns kReadRecordOk when a
  // record was delivered, kReadRecordEnd when the track has no more records, any
  // other value when nothing was delivered this time.
  virtual int ReadRecord(std::uint8_t* buffer, std::int32_t length, std::int32_t* timestampMs) = 0;
};

constexpr int kReadRecordOk = 0;
constexpr int kReadRecordEnd = 38;

}  // namespace motrevix
