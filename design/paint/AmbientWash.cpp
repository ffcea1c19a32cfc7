#include "design/paint/AmbientWash.h"

#include <QPainter>
#include <cmath>

#include "design/theme/Color.h"

namespace tidewell::design {

std::array<WashGlow, 3> washGlows(double t) {
  using std::cos, std::sin;
  return {{
      {{0.2 + 0.15 * sin(0.23 * t), -0.02 + 0.1 * cos(0.17 * t)}, 0.14 + 0.03 * sin(0.21 * t), 680},
      {{0.9 + 0.13 * sin(-0.16 * t), 1.02 + 0.08 * cos(0.26 * t)}, 0.14 + 0.03 * cos(0.19 * t), 780},
      {{0.55 + 0.18 * cos(0.11 * t), 0.45 + 0.14 * sin(0.15 * t)}, 0.08 + 0.02 * sin(0.13 * t), 600},
  }};
}

std::array<QColor, 3> washColours(const SectionPalette& accent) {
  return {accent.primary, accent.deep, SectionPalette::apps().deep};
}

void paintAmbientWash(QPainter& painter, const QRectF& rect, const SectionPalette& accent, double t,
                      double scale) {
  painter.fillRect(rect, Color::appBackground());
  const auto glows = washGlows(t);
  const auto colours = washColours(accent);
  for (size_t i = 0; i < glows.size(); ++i) {
    const WashGlow& glow = glows[i];
    const QColor& colour = colours[i];
    painter.fillRect(rect, radialGradient(rect, glow.centre, 0, glow.endRadius * scale,
                                          {{0.0, Color::withOpacity(colour, glow.opacity)},
                                           {1.0, Color::withOpacity(colour, 0.0)}}));
  }
}

}  // namespace tidewell::design
