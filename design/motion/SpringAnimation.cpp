#include "design/motion/SpringAnimation.h"

#include <algorithm>
#include <cmath>

#include "design/motion/Easing.h"

namespace tidewell::design {

SpringAnimation::SpringAnimation(double response, double dampingFraction, QObject* parent)
    : QVariantAnimation(parent), response_(response), damping_(dampingFraction) {
  setDuration(std::max(1, int(std::lround(springSettlingTime(response_, damping_) * 1000))));
  setEasingCurve(QEasingCurve::Linear);
}

QVariant SpringAnimation::interpolated(const QVariant& from, const QVariant& to, qreal progress) const {
  // Progress is linear in time; the spring decides the position.
  const double seconds = progress * duration() / 1000.0;
  const double s = progress >= 1.0 ? 1.0 : springValue(seconds, response_, damping_);
  const double a = from.toDouble(), b = to.toDouble();
  return a + (b - a) * s;
}

}  // namespace tidewell::design
