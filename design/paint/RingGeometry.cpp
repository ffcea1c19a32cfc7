#include "design/paint/RingGeometry.h"

#include <algorithm>
#include <cmath>

namespace tidewell::design {

RingGeometry ringGeometry(double progress) {
  RingGeometry g;
  g.clamped = std::isnan(progress) ? 0.0 : std::clamp(progress, 0.0, 1.0);
  g.arcEnd = std::max(g.clamped, 0.001);
  g.gradientEndDegrees = g.clamped * 360.0;
  // Written so that NaN, failing the comparison, takes the full glow.
  g.glowOpacity = progress < 1 ? 0.18 + 0.18 * std::max(progress, 0.0) : 0.36;
  return g;
}

double ringLayoutSide(double diameter, double lineWidth) { return diameter + 2 * lineWidth; }

}  // namespace tidewell::design
