#pragma once
// Drains a recording's telemetry track from the source's text-track reader into
// the container.

#include <cstdint>

#include "telemetry/telemetry_data.h"
#include "telemetry/text_track_reader.h"

namespace motrevix {

// Bounds of the read loop, so that a reader that never says "no more records"
// cannot hold the open of a recording forever.
struct TelemetryReadLimits {
  // Records taken from one track at most: well over 100 hours of the camera's
  // 11 records a second.
  std::int64_t maxRecords = 4'000'000;
  // Answers in a row that deliver nothing (neither a record nor the end).
  int maxIdleAnswers = 1000;
};

enum class TelemetryReadEnd {
  kTrackEnd,        // the reader answered kReadRecordEnd
  kNoReader,        // there was no reader to ask
  kReaderStalled,   // maxIdleAnswers answers in a row delivered nothing
  kTooManyRecords,  // maxRecords were taken and the track still went on
};

struct TelemetryReadSummary {
  TelemetryReadEnd end = TelemetryReadEnd::kTrackEnd;
  std::int64_t records = 0;  // records delivered by the reader
};

// Empties both arrays, then asks the reader for record after record with a
// zero-filled 1024-byte buffer and parses each into data, until the end of the
// track or one of the limits. What was read before a limit is kept.
TelemetryReadSummary ReadTelemetry(ITextTrackReader* reader, CTextData& data,
                                   const TelemetryReadLimits& limits = {});

}  // namespace motrevix
