#include "design/motion/Transition.h"

#include "design/motion/Easing.h"

namespace tidewell::design {

Transition::Transition(Kind kind, double a, double b, double value)
    : kind_(kind), a_(a), b_(b), from_(value), to_(value) {
  settleTime_ = kind_ == Kind::Spring ? springSettlingTime(a_, b_) : a_;
}

Transition Transition::spring(double response, double dampingFraction, double value) {
  return Transition(Kind::Spring, response, dampingFraction, value);
}

Transition Transition::easeOut(double duration, double value) {
  return Transition(Kind::EaseOut, duration, 0, value);
}

Transition Transition::easeInOut(double duration, double value) {
  return Transition(Kind::EaseInOut, duration, 0, value);
}

void Transition::retarget(double target, double now) {
  if (target == to_ && isSettled(now)) return;
  from_ = value(now);
  to_ = target;
  start_ = now;
}

void Transition::jump(double value) {
  from_ = to_ = value;
  start_ = 0;
}

double Transition::progress(double elapsed) const {
  if (kind_ == Kind::Spring) return springValue(elapsed, a_, b_);
  if (!(a_ > 0)) return 1.0;
  return kind_ == Kind::EaseOut ? design::easeOut(elapsed / a_) : design::easeInOut(elapsed / a_);
}

double Transition::value(double now) const {
  if (from_ == to_ || isSettled(now)) return to_;
  return from_ + (to_ - from_) * progress(now - start_);
}

bool Transition::isSettled(double now) const { return from_ == to_ || now - start_ >= settleTime_; }

}  // namespace tidewell::design
