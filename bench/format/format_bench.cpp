// Formats a sparse 32 GiB image with the project's FAT32 writer and another
// with `mkfs.fat -F 32`, in the same run, and prints time, bytes written and
// the ratios. Usage: format-bench [WORK_FOLDER] [ROUNDS]
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "format/qv_formatter.h"
#include "platform/volume_sources.h"

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uint64_t kImageBytes = 32ULL << 30;

struct Measurement {
  double seconds = 0;
  std::uint64_t bytesWritten = 0;    // bytes handed to write calls
  std::uint64_t bytesAllocated = 0;  // blocks the image holds afterwards
};

bool MakeSparseImage(const fs::path& path) {
  fs::remove(path);
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
  if (fd < 0) return false;
  const bool ok = ::ftruncate(fd, static_cast<off_t>(kImageBytes)) == 0;
  ::close(fd);
  return ok;
}

std::uint64_t AllocatedBytes(const fs::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? static_cast<std::uint64_t>(info.st_blocks) * 512 : 0;
}

// "wchar" of /proc/PID/io: bytes the process passed to write calls.
std::uint64_t WrittenChars(const std::string& pid) {
  std::ifstream in("/proc/" + pid + "/io");
  std::string key;
  std::uint64_t value = 0;
  while (in >> key >> value)
    if (key == "wchar:") return value;
  return 0;
}

class CountingVolume : public motrevix::IRawVolume {
 public:
  CountingVolume(std::unique_ptr<motrevix::IRawVolume> inner, std::uint64_t& bytes)
      : m_inner(std::move(inner)), m_bytes(bytes) {}
  std::uint64_t LengthBytes() override { return m_inner->LengthBytes(); }
  bool Lock(std::string& reason) override { return m_inner->Lock(reason); }
  bool WriteSectors(std::uint64_t first, const std::uint8_t* data, std::size_t count,
                    std::string& reason) override {
    m_bytes += count * motrevix::kVolumeSectorBytes;
    return m_inner->WriteSectors(first, data, count, reason);
  }
  bool Unlock(std::string& reason) override { return m_inner->Unlock(reason); }

 private:
  std::unique_ptr<motrevix::IRawVolume> m_inner;
  std::uint64_t& m_bytes;
};

class CountingImageSource : public motrevix::IVolumeSource {
 public:
  CountingImageSource(const fs::path& image, std::uint64_t& bytes)
      : m_inner({image}), m_bytes(bytes) {}
  std::vector<motrevix::VolumeCandidate> FindCandidates() override {
    return m_inner.FindCandidates();
  }
  motrevix::VolumeOpenResult OpenForWriting(const motrevix::VolumeCandidate& c) override {
    auto result = m_inner.OpenForWriting(c);
    if (result.volume)
      result.volume = std::make_unique<CountingVolume>(std::move(result.volume), m_bytes);
    return result;
  }

 private:
  motrevix::ImageFileSource m_inner;
  std::uint64_t& m_bytes;
};

bool RunOurs(const fs::path& image, Measurement& m) {
  std::uint64_t counted = 0;
  const std::uint64_t before = WrittenChars("self");
  const auto start = Clock::now();
  motrevix::format::CQVFormatter formatter(std::make_unique<CountingImageSource>(image, counted));
  const bool ok =
      formatter.ProbeDrives() && formatter.OpenVolume(0) && formatter.Format(0, "RD-310");
  formatter.CloseVolume();
  m.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  if (!ok) {
    std::cerr << "format-bench: " << formatter.GetLastError() << "\n";
    return false;
  }
  const std::uint64_t wchar = WrittenChars("self") - before;
  m.bytesWritten = wchar >= counted ? wchar : counted;
  m.bytesAllocated = AllocatedBytes(image);
  return true;
}

bool RunMkfs(const fs::path& image, Measurement& m) {
  const auto start = Clock::now();
  const pid_t pid = ::fork();
  if (pid < 0) return false;
  if (pid == 0) {
    const int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    const char* argv[] = {"mkfs.fat", "-F", "32", "-n", "RD-310", image.c_str(), nullptr};
    for (const char* program : {"/usr/sbin/mkfs.fat", "/sbin/mkfs.fat"})
      ::execv(program, const_cast<char* const*>(argv));
    ::execvp("mkfs.fat", const_cast<char* const*>(argv));
    _exit(127);
  }
  // Wait without reaping, so that the child's I/O counters can still be read.
  siginfo_t info{};
  ::waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT);
  m.seconds = std::chrono::duration<double>(Clock::now() - start).count();
  m.bytesWritten = WrittenChars(std::to_string(pid));
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::cerr << "format-bench: mkfs.fat failed (status " << status << ")\n";
    return false;
  }
  m.bytesAllocated = AllocatedBytes(image);
  return true;
}

Measurement Median(std::vector<Measurement> runs) {
  std::sort(runs.begin(), runs.end(),
            [](const auto& a, const auto& b) { return a.seconds < b.seconds; });
  return runs[runs.size() / 2];
}

void PrintRow(const char* name, const Measurement& m) {
  std::printf("%-22s %10.1f ms %14llu bytes written %14llu bytes allocated\n", name,
              m.seconds * 1000, static_cast<unsigned long long>(m.bytesWritten),
              static_cast<unsigned long long>(m.bytesAllocated));
}

}  // namespace

int main(int argc, char* argv[]) {
  const fs::path work =
      argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path() / "motrevix-format-bench";
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  fs::create_directories(work);
  const fs::path oursImage = work / "ours.img";
  const fs::path mkfsImage = work / "mkfs.img";

  std::vector<Measurement> ours, mkfs;
  for (int round = 0; round < rounds; ++round) {
    Measurement a, b;
    if (!MakeSparseImage(oursImage) || !MakeSparseImage(mkfsImage)) {
      std::cerr << "format-bench: cannot make 32 GiB sparse images in " << work << "\n";
      return 1;
    }
    if (!RunOurs(oursImage, a) || !RunMkfs(mkfsImage, b)) return 1;
    ours.push_back(a);
    mkfs.push_back(b);
  }
  fs::remove(oursImage);
  fs::remove(mkfsImage);

  const Measurement a = Median(ours), b = Median(mkfs);
  std::printf("Formatting a sparse 32 GiB image (%llu bytes), median of %d rounds\n",
              static_cast<unsigned long long>(kImageBytes), rounds);
  PrintRow("motrevix FAT32 writer", a);
  PrintRow("mkfs.fat -F 32", b);
  std::printf("time ratio (motrevix / mkfs.fat): %.2f\n", a.seconds / b.seconds);
  std::printf("bytes-written ratio (motrevix / mkfs.fat): %.2f\n",
              static_cast<double>(a.bytesWritten) / static_cast<double>(b.bytesWritten));
  return 0;
}
