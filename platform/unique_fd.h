#pragma once
// Owns one POSIX file descriptor: closed on every path, movable, never copied.

#include <unistd.h>

#include <utility>

namespace motrevix {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : m_fd(fd) {}
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  UniqueFd(UniqueFd&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.m_fd, -1));
    return *this;
  }
  ~UniqueFd() { Reset(); }

  int Get() const { return m_fd; }
  bool Valid() const { return m_fd >= 0; }
  // Gives the descriptor to a new owner (fdopendir, for one); this one no longer closes it.
  int Release() { return std::exchange(m_fd, -1); }
  void Reset(int fd = -1) {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = fd;
  }
  // Closes now and returns close's result: close can be the first to see a write error.
  int Close() {
    if (m_fd < 0) return 0;
    return ::close(std::exchange(m_fd, -1));
  }

 private:
  int m_fd = -1;
};

}  // namespace motrevix
