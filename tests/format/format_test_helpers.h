#pragma once
// Sparse disk images and an instrumented volume source for the formatter's tests.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "format/qv_formatter.h"
#include "platform/volume_sources.h"

namespace motrevix::test {

std::filesystem::path MakeSparseImage(const std::filesystem::path& path, std::uint64_t sectors);
std::vector<std::uint8_t> ReadSectors(const std::filesystem::path& image, std::uint64_t first,
                                      std::uint64_t count = 1);
void WriteSectorsOfByte(const std::filesystem::path& image, std::uint64_t first,
                        std::uint64_t count, std::uint8_t value);
std::uint32_t Le32(const std::vector<std::uint8_t>& bytes, std::size_t at);
std::uint16_t Le16(const std::vector<std::uint8_t>& bytes, std::size_t at);

struct WriteRecord {
  std::uint64_t sector = 0;
  std::size_t count = 0;
  bool operator==(const WriteRecord&) const = default;
};

// What an instrumented volume saw, shared with the test after the engine let go of it.
struct VolumeLog {
  std::vector<WriteRecord> writes;
  int locks = 0;
  int unlocks = 0;
  int openAttempts = 0;
  int failWriteNumber = 0;  // 1-based number of the write to fail; 0 never
  bool failUnlock = false;
  int busyAttempts = 0;  // the first attempts report Busy
};

// Image files whose volumes record every call into a VolumeLog.
class InstrumentedImageSource : public IVolumeSource {
 public:
  InstrumentedImageSource(std::vector<std::filesystem::path> images, std::shared_ptr<VolumeLog> log)
      : m_inner(std::move(images)), m_log(std::move(log)) {}
  std::vector<VolumeCandidate> FindCandidates() override { return m_inner.FindCandidates(); }
  VolumeOpenResult OpenForWriting(const VolumeCandidate& candidate) override;

 private:
  ImageFileSource m_inner;
  std::shared_ptr<VolumeLog> m_log;
};

// Opens and formats the one image with a logging source; false with the engine's reason.
bool FormatImage(const std::filesystem::path& image, const std::string& label,
                 std::shared_ptr<VolumeLog> log = nullptr, std::string* reason = nullptr);

// Timing that never sleeps, counting the pauses asked for.
format::OpenRetryTiming CountingTiming(std::shared_ptr<int> pauses, int attempts = 250);

}  // namespace motrevix::test
