#include "telemetry/telemetry_reader.h"

#include <array>

#include "telemetry/record_parser.h"

namespace motrevix {

TelemetryReadSummary ReadTelemetry(ITextTrackReader* reader, CTextData& data,
                                   const TelemetryReadLimits& limits) {
  data.RemoveAll();
  TelemetryReadSummary summary;
  if (reader == nullptr) {
    summary.end = TelemetryReadEnd::kNoReader;
    return summary;
  }
  std::array<std::uint8_t, kRecordCopyBytes> buffer;
  int idleAnswers = 0;
  for (;;) {
    if (summary.records >= limits.maxRecords) {
      summary.end = TelemetryReadEnd::kTooManyRecords;
      return summary;
    }
    buffer.fill(0);
    std::int32_t timestampMs = 0;
    const int result =
        reader->ReadRecord(buffer.data(), static_cast<std::int32_t>(buffer.size()), &timestampMs);
    if (result == kReadRecordEnd) {
      summary.end = TelemetryReadEnd::kTrackEnd;
      return summary;
    }
    if (result != kReadRecordOk) {
      if (++idleAnswers >= limits.maxIdleAnswers) {
        summary.end = TelemetryReadEnd::kReaderStalled;
        return summary;
      }
      continue;
    }
    idleAnswers = 0;
    ++summary.records;
    ParseRecord(timestampMs, buffer, data);
  }
}

}  // namespace motrevix
