#include "design/motion/FrameTimer.h"

#include <QEvent>
#include <QWidget>

#include "design/motion/MotionPreference.h"

namespace tidewell::design {

FrameTimer::FrameTimer(QWidget* target, int intervalMs, std::function<void()> tick)
    : QObject(target), target_(target), intervalMs_(intervalMs), tick_(std::move(tick)) {
  if (!tick_) tick_ = [target] { target->update(); };
  shown_ = target_->isVisible();
  target_->installEventFilter(this);
}

FrameTimer::~FrameTimer() {
  if (joined_) AnimationClock::shared().leave(membership_);
}

void FrameTimer::setWanted(bool wanted) {
  wanted_ = wanted;
  sync();
}

void FrameTimer::sync() {
  const bool run = wanted_ && shown_ && !reduceMotion();
  if (run == joined_) return;
  joined_ = run;
  if (run)
    membership_ = AnimationClock::shared().join(intervalMs_, this, [this] { onTick(); });
  else
    AnimationClock::shared().leave(membership_);
}

bool FrameTimer::eventFilter(QObject* watched, QEvent* event) {
  // Show and Hide also arrive when an ancestor (the window) is shown,
  // hidden or minimised, so a covered-up animation costs nothing.
  if (watched == target_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide)) {
    shown_ = event->type() == QEvent::Show;
    sync();
  }
  return QObject::eventFilter(watched, event);
}

void FrameTimer::onTick() {
  tick_();
  sync();
}

}  // namespace tidewell::design
