#pragma once
// Something that calls back once a minute: a timer in the program, a
// hand-driven fake in tests. GUI thread.

#include <functional>
#include <memory>

namespace tidewell::widget {

class MinuteTicker {
 public:
  virtual ~MinuteTicker() = default;
  // Starts calling onTick once a minute until the ticker is destroyed.
  virtual void start(std::function<void()> onTick) = 0;
};

// A QTimer of one minute. A timer does not run while the machine sleeps,
// so the first tick after waking comes within a minute of it.
std::unique_ptr<MinuteTicker> makeTimerTicker();

}  // namespace tidewell::widget
