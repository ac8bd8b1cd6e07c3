// The telemetry record parser and the exports on hostile records. Input: records
// one after another, each a 4-byte little-endian stamp, a 2-byte little-endian
// length and that many bytes. Properties: the time order is a sorted permutation of
// all samples, and the CSV has one row per sample.
#include <algorithm>
#include <cstdint>
#include <span>
#include <sstream>
#include <string>

#include "telemetry/record_parser.h"
#include "telemetry/telemetry_export.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::span<const std::uint8_t> input(data, size);
  motrevix::CTextData telemetry;
  while (input.size() >= 6) {
    const std::uint32_t stamp =
        input[0] | input[1] << 8 | input[2] << 16 | static_cast<std::uint32_t>(input[3]) << 24;
    const std::size_t length = std::min<std::size_t>(input[4] | input[5] << 8, input.size() - 6);
    motrevix::ParseRecord(static_cast<std::int32_t>(stamp), input.subspan(6, length), telemetry);
    input = input.subspan(6 + length);
  }
  const std::size_t samples = telemetry.m_aGPS.size() + telemetry.m_aGSensor.size();

  const auto order = motrevix::RecordsInTimeOrder(telemetry);
  MOTREVIX_FUZZ_CHECK(order.size() == samples);
  for (std::size_t i = 1; i < order.size(); ++i)
    MOTREVIX_FUZZ_CHECK(order[i - 1].timeMs <= order[i].timeMs);

  std::ostringstream csv, table, json, gpx;
  motrevix::WriteTelemetryCsv(telemetry, csv);
  const std::string rows = csv.str();
  MOTREVIX_FUZZ_CHECK(static_cast<std::size_t>(std::count(rows.begin(), rows.end(), '\n')) ==
                      samples + 1);
  motrevix::WriteTelemetryTable(telemetry, table);
  motrevix::WriteTelemetryJson(telemetry, json);
  motrevix::WriteTelemetryGpx(telemetry, "fuzz.AVI", gpx);
  return 0;
}
