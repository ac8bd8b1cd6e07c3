#include "tests/format/format_test_helpers.h"

#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

namespace motrevix::test {
namespace fs = std::filesystem;

fs::path MakeSparseImage(const fs::path& path, std::uint64_t sectors) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0 || ::ftruncate(fd, static_cast<off_t>(sectors * 512)) != 0)
    throw std::runtime_error("cannot make image " + path.string());
  ::close(fd);
  return path;
}

std::vector<std::uint8_t> ReadSectors(const fs::path& image, std::uint64_t first,
                                      std::uint64_t count) {
  std::vector<std::uint8_t> bytes(count * 512, 0xEE);
  const int fd = ::open(image.c_str(), O_RDONLY);
  if (fd < 0) throw std::runtime_error("cannot read " + image.string());
  const ssize_t got = ::pread(fd, bytes.data(), bytes.size(), static_cast<off_t>(first * 512));
  ::close(fd);
  if (got != static_cast<ssize_t>(bytes.size())) throw std::runtime_error("short read");
  return bytes;
}

void WriteSectorsOfByte(const fs::path& image, std::uint64_t first, std::uint64_t count,
                        std::uint8_t value) {
  const std::vector<std::uint8_t> bytes(count * 512, value);
  const int fd = ::open(image.c_str(), O_WRONLY);
  if (fd < 0 || ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(first * 512)) !=
                    static_cast<ssize_t>(bytes.size()))
    throw std::runtime_error("cannot write " + image.string());
  ::close(fd);
}

std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return Le16(b, at) | (std::uint32_t{Le16(b, at + 2)} << 16);
}

namespace {

class InstrumentedVolume : public IRawVolume {
 public:
  InstrumentedVolume(std::unique_ptr<IRawVolume> inner, std::shared_ptr<VolumeLog> log)
      : m_inner(std::move(inner)), m_log(std::move(log)) {}
  std::uint64_t LengthBytes() override { return m_inner->LengthBytes(); }
  bool Lock(std::string& reason) override {
    ++m_log->locks;
    return m_inner->Lock(reason);
  }
  bool WriteSectors(std::uint64_t first, const std::uint8_t* data, std::size_t count,
                    std::string& reason) override {
    m_log->writes.push_back({first, count});
    if (static_cast<int>(m_log->writes.size()) == m_log->failWriteNumber) {
      reason = "injected write failure";
      return false;
    }
    return m_inner->WriteSectors(first, data, count, reason);
  }
  bool Unlock(std::string& reason) override {
    ++m_log->unlocks;
    const bool ok = m_inner->Unlock(reason);
    if (m_log->failUnlock) {
      reason = "injected flush failure";
      return false;
    }
    return ok;
  }

 private:
  std::unique_ptr<IRawVolume> m_inner;
  std::shared_ptr<VolumeLog> m_log;
};

}  // namespace

VolumeOpenResult InstrumentedImageSource::OpenForWriting(const VolumeCandidate& candidate) {
  ++m_log->openAttempts;
  if (m_log->openAttempts <= m_log->busyAttempts) {
    VolumeOpenResult busy;
    busy.status = VolumeOpenStatus::Busy;
    busy.reason = candidate.name + " is busy";
    return busy;
  }
  VolumeOpenResult result = m_inner.OpenForWriting(candidate);
  if (result.volume)
    result.volume = std::make_unique<InstrumentedVolume>(std::move(result.volume), m_log);
  return result;
}

bool FormatImage(const fs::path& image, const std::string& label, std::shared_ptr<VolumeLog> log,
                 std::string* reason) {
  if (!log) log = std::make_shared<VolumeLog>();
  format::CQVFormatter formatter(
      std::make_unique<InstrumentedImageSource>(std::vector<fs::path>{image}, log));
  const bool ok = formatter.ProbeDrives() && formatter.OpenVolume(0) && formatter.Format(0, label);
  if (reason) *reason = formatter.GetLastError();
  return ok;
}

format::OpenRetryTiming CountingTiming(std::shared_ptr<int> pauses, int attempts) {
  format::OpenRetryTiming timing;
  timing.attempts = attempts;
  timing.sleep = [pauses](std::chrono::milliseconds pause) {
    if (pause == std::chrono::milliseconds(5)) ++*pauses;
  };
  return timing;
}

}  // namespace motrevix::test
