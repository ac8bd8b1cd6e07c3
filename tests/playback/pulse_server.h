#pragma once
// A PulseAudio server of a test's own with one null sink standing in for the
// sound card; the test program finds it (and only it) through the runtime folder
// it points the environment at. Needs a running QCoreApplication.

#include <QProcess>
#include <chrono>
#include <filesystem>
#include <functional>
#include <string>

namespace motrevix::test {

class PrivatePulseServer {
 public:
  static constexpr const char* kSink = "motrevix_test";

  // The first of the programs the set-up needs that is not installed, or "".
  static std::string MissingProgram();

  // Points XDG_RUNTIME_DIR and HOME into `dir` and starts the server there.
  explicit PrivatePulseServer(const std::filesystem::path& dir);
  ~PrivatePulseServer();
  PrivatePulseServer(const PrivatePulseServer&) = delete;
  PrivatePulseServer& operator=(const PrivatePulseServer&) = delete;

  // True once the server answers; false (see Log()) when it does not.
  bool Started() const { return started_; }
  std::filesystem::path Log() const { return log_; }

 private:
  QProcess server_;
  std::filesystem::path log_;
  bool started_ = false;
};

// True once `ready` holds, checking every 20 ms for at most `limit`, with the
// Qt event loop running between checks (as the viewer runs one: a sound sink is
// fed from the thread it was made on).
bool WaitWithEvents(const std::function<bool()>& ready, std::chrono::milliseconds limit);

// Whether a recorder is connected to the sink's monitor.
bool MonitorRecorderConnected();

}  // namespace motrevix::test
