#include "design/theme/ThemePalette.h"

#include "design/theme/Color.h"

namespace tidewell::design {

QColor ThemePalette::color() const { return Color::rgb(healthRGB); }

ThemePalette ThemePalette::forFreeFraction(double f) {
  // Written as positive comparisons so that NaN falls through to Critical.
  if (f >= 0.30) {
    return {QStringLiteral("Healthy"), QStringLiteral("Loads of room. A quick scan keeps it that way."),
            Color::kAccentGreen};
  }
  if (f >= 0.15 && f < 0.30) {
    return {QStringLiteral("Filling up"),
            QStringLiteral("Filling up. One scan usually claws a lot back."),
            {0.96, 0.78, 0.29}};
  }
  if (f >= 0.08 && f < 0.15) {
    return {QStringLiteral("Running low"),
            QStringLiteral("Getting tight. Time to drop some dead weight."),
            {0.98, 0.55, 0.24}};
  }
  return {QStringLiteral("Critical"), QStringLiteral("Critical. Your Mac's about to feel it. Clean now."),
          Color::kDestructiveRed};
}

}  // namespace tidewell::design
