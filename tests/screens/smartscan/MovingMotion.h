#pragma once
// For the screen tests that watch something move: motion allowed and the
// animation clock frozen for the life of the fixture, moved by hand; after
// it, motion stands still again as probe::prepare() left it.

#include "design/motion/AnimationClock.h"
#include "design/motion/MotionPreference.h"
#include "testkit/probe/Probe.h"

namespace tidewell::testing {

class MovingMotion {
 public:
  MovingMotion() {
    probe::prepare();
    design::setReduceMotionOverride(false);
    design::AnimationClock::shared().freeze(1000.0);
  }
  ~MovingMotion() {
    design::setReduceMotionOverride(true);
    design::AnimationClock::shared().freeze(818596800.0);
  }
  MovingMotion(const MovingMotion&) = delete;
  MovingMotion& operator=(const MovingMotion&) = delete;

  // Moves time on in frames of a sixtieth of a second.
  void advance(double seconds) {
    for (double done = 0; done < seconds - 1e-9; done += 1.0 / 60)
      design::AnimationClock::shared().advance(1.0 / 60);
  }
};

}  // namespace tidewell::testing
