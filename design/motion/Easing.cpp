#include "design/motion/Easing.h"

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace tidewell::design {

namespace {
double bezier(double a, double b, double t) {
  // One coordinate of the curve with end points 0 and 1.
  const double u = 1 - t;
  return 3 * u * u * t * a + 3 * u * t * t * b + t * t * t;
}
double bezierSlope(double a, double b, double t) {
  const double u = 1 - t;
  return 3 * u * u * a + 6 * u * t * (b - a) + 3 * t * t * (1 - b);
}
}  // namespace

double cubicBezierEasing(double x1, double y1, double x2, double y2, double p) {
  if (!(p > 0)) return 0.0;
  if (p >= 1) return 1.0;
  // Solve x(t) = p: Newton steps, then bisection if they wander.
  double t = p;
  for (int i = 0; i < 8; ++i) {
    const double error = bezier(x1, x2, t) - p;
    if (std::abs(error) < 1e-7) return bezier(y1, y2, t);
    const double slope = bezierSlope(x1, x2, t);
    if (std::abs(slope) < 1e-6) break;
    t = std::clamp(t - error / slope, 0.0, 1.0);
  }
  double lo = 0, hi = 1;
  t = p;
  for (int i = 0; i < 40; ++i) {
    const double x = bezier(x1, x2, t);
    if (std::abs(x - p) < 1e-7) break;
    (x < p ? lo : hi) = t;
    t = (lo + hi) / 2;
  }
  return bezier(y1, y2, t);
}

double easeInOut(double p) { return cubicBezierEasing(0.42, 0.0, 0.58, 1.0, p); }
double easeOut(double p) { return cubicBezierEasing(0.0, 0.0, 0.58, 1.0, p); }

QEasingCurve easeInOutCurve() {
  QEasingCurve curve(QEasingCurve::BezierSpline);
  curve.addCubicBezierSegment(QPointF(0.42, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
  return curve;
}

QEasingCurve easeOutCurve() {
  QEasingCurve curve(QEasingCurve::BezierSpline);
  curve.addCubicBezierSegment(QPointF(0.0, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
  return curve;
}

double springValue(double t, double response, double dampingFraction) {
  if (!(t > 0)) return 0.0;
  if (!(response > 0)) return 1.0;
  const double omega = 2 * std::numbers::pi / response;
  const double zeta = std::max(0.0, dampingFraction);
  if (zeta < 1) {
    const double omegaD = omega * std::sqrt(1 - zeta * zeta);
    return 1 - std::exp(-zeta * omega * t) *
                   (std::cos(omegaD * t) + zeta * omega / omegaD * std::sin(omegaD * t));
  }
  // Critically (or over-) damped: no overshoot.
  return 1 - std::exp(-omega * t) * (1 + omega * t);
}

double springSettlingTime(double response, double dampingFraction) {
  if (!(response > 0)) return 0.0;
  // Step until the value stays inside the band for a full response.
  constexpr double dt = 1.0 / 240.0;
  double lastOutside = 0;
  const double limit = 20 * response;
  for (double t = dt; t < limit; t += dt) {
    if (std::abs(springValue(t, response, dampingFraction) - 1) > 0.001)
      lastOutside = t;
    else if (t - lastOutside > response)
      break;
  }
  return lastOutside;
}

}  // namespace tidewell::design
