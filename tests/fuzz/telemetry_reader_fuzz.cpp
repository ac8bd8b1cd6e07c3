// The telemetry reader on a whole recording (AVI or MP4) held in memory: the bytes
// go into an in-memory file, which the track file opens by its /proc path.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "playback/text_track/telemetry_track_file.h"
#include "telemetry/telemetry_reader.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int fd = memfd_create("recording", MFD_CLOEXEC);
  if (fd < 0) return 0;
  std::size_t written = 0;
  while (written < size) {
    const ssize_t n = ::write(fd, data + written, size - written);
    if (n <= 0) break;
    written += static_cast<std::size_t>(n);
  }
  motrevix::TelemetryTrackFile track;
  if (written == size && track.Open("/proc/self/fd/" + std::to_string(fd))) {
    motrevix::CTextData telemetry;
    motrevix::TelemetryReadLimits limits;
    limits.maxRecords = 100'000;
    const auto summary = motrevix::ReadTelemetry(&track, telemetry, limits);
    MOTREVIX_FUZZ_CHECK(summary.records >= 0);
    MOTREVIX_FUZZ_CHECK(static_cast<std::int64_t>(telemetry.m_aGPS.size() +
                                                  telemetry.m_aGSensor.size()) <= summary.records);
  }
  ::close(fd);
  return 0;
}
