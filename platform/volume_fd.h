#pragma once
// An owning file descriptor for the volume layer: closed on every path.

#include <unistd.h>

#include <utility>

namespace motrevix {

class VolumeFd {
 public:
  VolumeFd() = default;
  explicit VolumeFd(int fd) : m_nFd(fd) {}
  VolumeFd(const VolumeFd&) = delete;
  VolumeFd& operator=(const VolumeFd&) = delete;
  VolumeFd(VolumeFd&& other) noexcept : m_nFd(std::exchange(other.m_nFd, -1)) {}
  VolumeFd& operator=(VolumeFd&& other) noexcept {
    if (this != &other) {
      Reset();
      m_nFd = std::exchange(other.m_nFd, -1);
    }
    return *this;
  }
  ~VolumeFd() { Reset(); }

  int Get() const { return m_nFd; }
  bool IsOpen() const { return m_nFd >= 0; }
  void Reset() {
    if (m_nFd >= 0) ::close(m_nFd);
    m_nFd = -1;
  }

 private:
  int m_nFd = -1;
};

}  // namespace motrevix
