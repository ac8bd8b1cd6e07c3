#pragma once
// Owns one POSIX file descriptor and closes it when it goes.

#include <unistd.h>

namespace motrevix::config {

class UniqueFd {
 public:
  explicit UniqueFd(int fd) : m_fd(fd) {}
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;
  UniqueFd(UniqueFd&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
  UniqueFd& operator=(UniqueFd&&) = delete;
  ~UniqueFd() {
    if (m_fd >= 0) ::close(m_fd);
  }

  int Get() const { return m_fd; }
  bool Valid() const { return m_fd >= 0; }
  // Closes now and returns close's result: close can be the first to see a write error.
  int Close() {
    const int result = ::close(m_fd);
    m_fd = -1;
    return result;
  }

 private:
  int m_fd;
};

}  // namespace motrevix::config
