#pragma once
// Waits on the event loop for work that finishes on other threads or in
// later turns, up to a deadline, so that a regression fails its test instead
// of hanging the run. Each returns whether the wait ended in time; the
// caller asserts on it: ASSERT_TRUE(waitUntilDone(task)).

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <functional>

namespace tidewell::testing {

// Far beyond what any of these waits needs on a loaded machine.
inline constexpr std::chrono::milliseconds defaultWaitDeadline{30'000};

// Runs the event loop until done() holds or the deadline passes. done() is
// asked after every turn and at least every few milliseconds, so it may also
// watch, or nudge, work on other threads that posts nothing back.
inline bool waitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds deadline = defaultWaitDeadline) {
  const QDeadlineTimer expiry(deadline);
  // Wakes the blocking turn below when nothing else arrives.
  QTimer tick;
  tick.start(std::chrono::milliseconds(2));
  while (!done()) {
    if (expiry.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return true;
}

// Until a coroutine task (anything with isReady()) has finished. Not named
// waitFor: argument lookup would find QCoro's, which has no deadline.
template <typename Task>
bool waitUntilDone(const Task& task, std::chrono::milliseconds deadline = defaultWaitDeadline) {
  return waitUntil([&task] { return task.isReady(); }, deadline);
}

}  // namespace tidewell::testing
