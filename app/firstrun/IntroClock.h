#pragma once
// The time the intro keeps: now, and calls after a delay. Production runs
// on a monotonic clock and single-shot timers; tests move a manual clock by
// hand, so the watchdog, the fade and the done step need no real waiting.
// GUI thread only.

#include <QObject>
#include <functional>
#include <memory>

namespace tidewell::app {

class IntroClock {
 public:
  virtual ~IntroClock() = default;
  // Seconds on a monotonic scale (only differences mean anything).
  virtual double now() const = 0;
  // Calls fn once, seconds from now, on the GUI thread; never when context
  // has been destroyed by then.
  virtual void after(double seconds, QObject* context, std::function<void()> fn) = 0;

  static std::shared_ptr<IntroClock> system();
};

}  // namespace tidewell::app
