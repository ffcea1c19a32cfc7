#pragma once
// The easing curves of the interface's animations: the standard cubic
// Bézier curves (ease-in-out 0.42, 0, 0.58, 1; ease-out 0, 0, 0.58, 1) and a
// damped spring given by its response (seconds per oscillation of the
// undamped spring) and damping fraction (1 = critically damped).

#include <QEasingCurve>

namespace tidewell::design {

// Progress p in 0...1 to eased progress (clamped).
double easeInOut(double p);
double easeOut(double p);
// The value of a cubic Bézier timing curve (0,0), (x1,y1), (x2,y2), (1,1)
// at progress p.
double cubicBezierEasing(double x1, double y1, double x2, double y2, double p);

// The same curves for QPropertyAnimation and friends.
QEasingCurve easeInOutCurve();
QEasingCurve easeOutCurve();

// A spring released from 0 towards 1: its position after t seconds
// (overshooting when dampingFraction < 1).
double springValue(double t, double response, double dampingFraction);
// Seconds until the spring stays within 0.001 of its target.
double springSettlingTime(double response, double dampingFraction);

}  // namespace tidewell::design
