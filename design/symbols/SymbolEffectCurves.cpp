#include "design/symbols/SymbolEffectCurves.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "design/motion/Easing.h"

namespace tidewell::design {

double pulseOpacity(double seconds) {
  if (!(seconds > 0)) return 1.0;
  const double phase = std::fmod(seconds, kPulsePeriod) / kPulsePeriod;  // 0...1
  const double down = phase < 0.5 ? phase * 2 : (1 - phase) * 2;         // 0 -> 1 -> 0
  return 1.0 - (1.0 - kPulseLowOpacity) * easeInOut(down);
}

double bounceScale(double seconds) {
  if (!(seconds > 0) || seconds >= kBounceDuration) return 1.0;
  constexpr double rise = 0.14;
  if (seconds < rise) return 1.0 + (kBouncePeak - 1.0) * easeOut(seconds / rise);
  // A damped swing back to rest that reaches 1 exactly at the end.
  const double u = (seconds - rise) / (kBounceDuration - rise);  // 0...1
  const double swing = std::cos(u * 1.5 * std::numbers::pi) * (1.0 - u);
  return 1.0 + (kBouncePeak - 1.0) * swing;
}

double variableColorOpacity(double seconds, int layer, int layerCount) {
  if (layerCount <= 0 || layer < 0 || layer >= layerCount) return 1.0;
  const double cycle = kVariableStep * layerCount;
  const double t = seconds > 0 ? std::fmod(seconds, cycle) : 0.0;
  const double position = t / kVariableStep;  // which layer is lit, fractional
  const double distance = std::abs(position - (layer + 0.5));
  const double light = std::clamp(1.0 - (distance - 0.25) / 0.5, 0.0, 1.0);
  return kVariableDimOpacity + (1.0 - kVariableDimOpacity) * light;
}

}  // namespace tidewell::design
