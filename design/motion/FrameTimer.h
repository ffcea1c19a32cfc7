#pragma once
// The frames of one widget's animation: calls its tick at a fixed rate
// while the animation wants frames, the widget is shown and motion is not
// reduced, and at no other time. Ticks come from the shared beat of
// AnimationClock, so every widget animating at one rate repaints in the
// same frame, and a frozen clock ticks them by hand. Reduce motion is read
// again on every tick: once it is on, the timer stops after delivering that
// last tick (so the widget can redraw itself still). Owned by (parented to)
// its widget. GUI thread only.

#include <QObject>
#include <functional>

#include "design/motion/AnimationClock.h"

class QWidget;

namespace tidewell::design {

// The frames of short transitions (hover springs and eases): 60 a second.
inline constexpr int kTransitionFrameMs = 1000 / 60;

class FrameTimer : public QObject {
  Q_OBJECT
 public:
  // tick defaults to repainting target.
  FrameTimer(QWidget* target, int intervalMs, std::function<void()> tick = {});
  ~FrameTimer() override;

  // Whether the animation has something to show; the timer runs only then.
  void setWanted(bool wanted);
  // Whether ticks are being delivered.
  bool isActive() const { return joined_; }
  // Re-reads the widget's visibility and the motion preference.
  void sync();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void onTick();

  QWidget* target_;
  int intervalMs_;
  std::function<void()> tick_;
  bool wanted_ = false;
  bool shown_ = false;
  bool joined_ = false;
  AnimationClock::Membership membership_;
};

}  // namespace tidewell::design
