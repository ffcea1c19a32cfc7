#include "design/motion/MotionPreference.h"

#include "platform/core/ReduceMotion.h"

namespace tidewell::design {

namespace {
std::optional<bool>& cached() {
  static std::optional<bool> value;
  return value;
}
}  // namespace

bool reduceMotion() {
  if (!cached()) cached() = platform::readReduceMotion();
  return *cached();
}

void setReduceMotionOverride(std::optional<bool> value) { cached() = value; }

}  // namespace tidewell::design
