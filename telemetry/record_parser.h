#pragma once
// Decoding of one telemetry record into the container: 'M' (G-sensor, binary)
// and 'G' (GPS, RMC-like comma fields). Other records are ignored.

#include <cstdint>
#include <span>
#include <string_view>

#include "telemetry/telemetry_data.h"

namespace motrevix {

// Size of the private copy a record is decoded from; longer records are cut.
constexpr std::size_t kRecordCopyBytes = 1024;

// Decodes the record (its bytes up to the first zero byte for a 'G' record) and
// appends one sample stamped timestampMs. A 'G' record whose text fills all
// kRecordCopyBytes without a zero byte is taken as cut: its last, possibly
// partial field counts as missing. The caller's bytes are not changed.
void ParseRecord(std::int32_t timestampMs, std::span<const std::uint8_t> record, CTextData& data);

inline void ParseRecord(std::int32_t timestampMs, std::string_view record, CTextData& data) {
  ParseRecord(timestampMs,
              std::span(reinterpret_cast<const std::uint8_t*>(record.data()), record.size()), data);
}

}  // namespace motrevix
