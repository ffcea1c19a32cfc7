#include "screens/common/views/Departure.h"

#include <QWidget>

#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"
#include "screens/common/views/Entrance.h"

namespace tidewell::screens {

Departure* Departure::play(QWidget* widget, double seconds, double drop) {
  // Their effect goes when the departure's is set.
  for (Entrance* entrance : widget->findChildren<Entrance*>(QString(), Qt::FindDirectChildrenOnly))
    delete entrance;
  for (Departure* earlier : widget->findChildren<Departure*>(QString(), Qt::FindDirectChildrenOnly))
    delete earlier;
  return new Departure(widget, seconds, drop);
}

Departure::Departure(QWidget* widget, double seconds, double drop)
    : QObject(widget),
      widget_(widget),
      drop_(drop),
      progress_(design::Transition::easeInOut(seconds, 0)),
      effect_(new EntranceEffect(widget)),
      frames_(new design::FrameTimer(widget, design::kTransitionFrameMs, [this] { onFrame(); })) {
  frames_->setParent(this);
  widget->setGraphicsEffect(effect_);
  // Its buttons take no more clicks; they reach what has taken its place.
  widget->setAttribute(Qt::WA_TransparentForMouseEvents);
  if (design::reduceMotion() || !(seconds > 0))
    progress_.jump(1);
  else
    progress_.retarget(1, design::AnimationClock::shared().now());
  onFrame();
}

double Departure::progress() const { return progress_.value(design::AnimationClock::shared().now()); }

bool Departure::isFinished() const { return progress_.isSettled(design::AnimationClock::shared().now()); }

void Departure::onFrame() {
  const double p = progress();
  effect_->setFrame(1 - p, p * drop_);
  const bool moving = !isFinished();
  frames_->setWanted(moving);
  if (!moving) {
    // Later: this may run inside one of the widget's own events.
    widget_->hide();
    widget_->deleteLater();
  }
}

}  // namespace tidewell::screens
