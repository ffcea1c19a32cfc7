#include "screens/deepscan/DeepScanLook.h"

#include "design/theme/Color.h"

namespace tidewell::screens::DeepScanLook {

using design::Color::rgb;

const QColor& safeGreen() {
  static const QColor c = rgb(0.2, 0.84, 0.51);
  return c;
}
const QColor& reviewOrange() {
  static const QColor c = rgb(0.98, 0.62, 0.24);
  return c;
}
const QColor& personalRed() { return design::Color::destructiveRed(); }
const QColor& installerBlue() {
  static const QColor c = rgb(0.36, 0.66, 0.98);
  return c;
}
const QColor& containerPurple() { return design::Color::containerPurple(); }

QColor faded(const QColor& tint, double opacity) {
  return design::Color::withOpacity(tint, opacity * tint.alphaF());
}

}  // namespace tidewell::screens::DeepScanLook
