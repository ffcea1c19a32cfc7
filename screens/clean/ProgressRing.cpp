#include "screens/clean/ProgressRing.h"

#include <QVBoxLayout>

#include "design/components/RingGauge.h"
#include "design/motion/AnimationClock.h"
#include "design/motion/FrameTimer.h"
#include "design/motion/MotionPreference.h"

namespace tidewell::screens {

ProgressRing::ProgressRing(double diameter, double lineWidth, double easing, QWidget* parent)
    : QWidget(parent),
      gauge_(new design::RingGauge(0, diameter, lineWidth, this)),
      overlay_(new QWidget(this)),
      centre_(new QVBoxLayout(overlay_)),
      transition_(design::Transition::easeOut(easing)),
      frames_(new design::FrameTimer(this, design::kTransitionFrameMs, [this] { onFrame(); })) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  centre_->setContentsMargins(0, 0, 0, 0);
  centre_->setAlignment(Qt::AlignCenter);
  overlay_->raise();
}

void ProgressRing::setProgress(double progress) {
  if (design::reduceMotion()) return jumpTo(progress);
  transition_.retarget(progress, design::AnimationClock::shared().now());
  onFrame();
}

void ProgressRing::jumpTo(double progress) {
  transition_.jump(progress);
  onFrame();
}

double ProgressRing::shownProgress() const {
  return transition_.value(design::AnimationClock::shared().now());
}

QSize ProgressRing::sizeHint() const { return gauge_->sizeHint(); }

void ProgressRing::resizeEvent(QResizeEvent*) {
  gauge_->setGeometry(rect());
  overlay_->setGeometry(rect());
}

void ProgressRing::onFrame() {
  const double now = design::AnimationClock::shared().now();
  gauge_->setProgress(transition_.value(now));
  frames_->setWanted(!transition_.isSettled(now));
}

}  // namespace tidewell::screens
