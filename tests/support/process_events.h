#pragma once
// Widget tests wait for what the event loop delivers: pictures painted, windows
// resized, timers fired.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

namespace motrevix::test {

// Runs the event loop until `condition` holds or `ms` pass; the last answer.
inline bool WaitFor(const std::function<bool()>& condition, int ms = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (condition()) return true;
  }
  return condition();
}

}  // namespace motrevix::test
