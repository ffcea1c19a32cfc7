#pragma once
// A number moving to a new target over time, read at any moment from the
// animation clock's time: a damped spring (response, damping fraction) or
// an ease-out or ease-in-out of a fixed duration. A new target starts from wherever the
// value stands at that moment. Pure value type.

namespace tidewell::design {

class Transition {
 public:
  static Transition spring(double response, double dampingFraction, double value = 0);
  static Transition easeOut(double duration, double value = 0);
  static Transition easeInOut(double duration, double value = 0);

  // Heads for target from the value at now.
  void retarget(double target, double now);
  // Stands at value at once (reduce motion).
  void jump(double value);

  double value(double now) const;
  double target() const { return to_; }
  // True once the value stays at its target.
  bool isSettled(double now) const;

 private:
  enum class Kind { Spring, EaseOut, EaseInOut };
  Transition(Kind kind, double a, double b, double value);
  double progress(double elapsed) const;

  Kind kind_;
  double a_, b_;  // spring: response, damping; eases: duration, unused
  double from_, to_;
  double start_ = 0;
  double settleTime_ = 0;
};

}  // namespace tidewell::design
