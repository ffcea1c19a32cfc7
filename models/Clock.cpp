#include "models/Clock.h"

namespace tidewell::models {

double Clock::secondsSince1970() const {
  return std::chrono::duration<double>(now().time_since_epoch()).count();
}

Clock Clock::system() {
  return Clock{[] { return std::chrono::system_clock::now(); }};
}

Clock Clock::fixed(TimePoint at) {
  return Clock{[at] { return at; }};
}

}  // namespace tidewell::models
