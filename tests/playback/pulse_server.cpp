#include "tests/playback/pulse_server.h"

#include <sys/stat.h>

#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>
#include <cstdlib>

#include "tests/support/test_support.h"

namespace motrevix::test {

std::string PrivatePulseServer::MissingProgram() {
  for (const char* program : {"pulseaudio", "parecord", "parec", "pactl"})
    if (QStandardPaths::findExecutable(program).isEmpty()) return program;
  return "";
}

PrivatePulseServer::PrivatePulseServer(const std::filesystem::path& dir) : log_(dir / "pulse.log") {
  const std::filesystem::path runtime = dir / "runtime";
  std::filesystem::create_directories(runtime);
  ::chmod(runtime.c_str(), 0700);
  setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  setenv("HOME", dir.c_str(), 1);
  // The server's log goes to a file: an unread pipe would fill and stall it.
  server_.setStandardOutputFile(QString::fromStdString(log_.string()));
  server_.setStandardErrorFile(QString::fromStdString(log_.string()), QIODevice::Append);
  server_.start("pulseaudio",
                {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
                 "--use-pid-file=no", QString("--load=module-null-sink sink_name=%1").arg(kSink),
                 "--load=module-native-protocol-unix"});
  using namespace std::chrono_literals;
  started_ = server_.waitForStarted(5000) &&
             WaitWithEvents([] { return Run("pactl", {"info"}).exitCode == 0; }, 10s);
}

PrivatePulseServer::~PrivatePulseServer() {
  server_.terminate();
  server_.waitForFinished(5000);
}

bool WaitWithEvents(const std::function<bool()>& ready, std::chrono::milliseconds limit) {
  using namespace std::chrono_literals;
  const auto end = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < end) {
    if (ready()) return true;
    QEventLoop loop;
    QTimer::singleShot(20ms, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return ready();
}

bool MonitorRecorderConnected() {
  return !Run("pactl", {"list", "short", "source-outputs"}).out.empty();
}

}  // namespace motrevix::test
