#pragma once
// Runs the event loop until condition holds or timeoutMs has passed, for
// work that finishes on other threads or later turns. Returns whether the
// condition held; the caller asserts on it.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

namespace tidewell::testing {

template <typename Condition>
bool waitUntil(Condition condition, int timeoutMs) {
  const QDeadlineTimer deadline(timeoutMs);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
  }
  return true;
}

}  // namespace tidewell::testing
