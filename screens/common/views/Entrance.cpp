#include "screens/common/views/Entrance.h"

#include <QPainter>
#include <QWidget>

#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"

namespace tidewell::screens {

void EntranceEffect::setFrame(double opacity, double offset) {
  if (opacity == opacity_ && offset == offset_) return;
  opacity_ = opacity;
  offset_ = offset;
  updateBoundingRect();
  update();
}

QRectF EntranceEffect::boundingRectFor(const QRectF& rect) const { return rect.adjusted(0, 0, 0, offset_); }

void EntranceEffect::draw(QPainter* painter) {
  QPoint origin;
  const QPixmap picture = sourcePixmap(Qt::LogicalCoordinates, &origin);
  painter->save();
  painter->setOpacity(painter->opacity() * opacity_);
  painter->drawPixmap(QPointF(origin) + QPointF(0, offset_), picture);
  painter->restore();
}

Entrance* Entrance::play(QWidget* widget, double seconds, double rise) {
  for (Entrance* earlier : widget->findChildren<Entrance*>(QString(), Qt::FindDirectChildrenOnly))
    delete earlier;  // its effect goes when the new one is set
  return new Entrance(widget, seconds, rise);
}

Entrance::Entrance(QWidget* widget, double seconds, double rise)
    : QObject(widget),
      widget_(widget),
      rise_(rise),
      progress_(design::Transition::easeInOut(seconds, 0)),
      effect_(new EntranceEffect(widget)),
      frames_(new design::FrameTimer(widget, design::kTransitionFrameMs, [this] { onFrame(); })) {
  frames_->setParent(this);
  widget->setGraphicsEffect(effect_);
  if (design::reduceMotion() || !(seconds > 0))
    progress_.jump(1);
  else
    progress_.retarget(1, design::AnimationClock::shared().now());
  onFrame();
}

double Entrance::progress() const { return progress_.value(design::AnimationClock::shared().now()); }

bool Entrance::isFinished() const { return progress_.isSettled(design::AnimationClock::shared().now()); }

void Entrance::onFrame() {
  const double p = progress();
  effect_->setFrame(p, (1 - p) * rise_);
  const bool moving = !isFinished();
  // Standing in place, the widget is drawn directly again.
  effect_->setEnabled(moving);
  frames_->setWanted(moving);
}

}  // namespace tidewell::screens
