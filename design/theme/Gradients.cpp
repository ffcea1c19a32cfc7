#include "design/theme/Gradients.h"

#include <algorithm>
#include <cmath>

namespace tidewell::design {

QGradientStops evenStops(std::initializer_list<QColor> colours) {
  QGradientStops stops;
  const int n = int(colours.size());
  int i = 0;
  for (const QColor& c : colours) stops.append({n == 1 ? 0.0 : double(i++) / (n - 1), c});
  return stops;
}

QLinearGradient linearGradient(const QRectF& rect, UnitPoint start, UnitPoint end,
                               const QGradientStops& stops) {
  QLinearGradient g(start.in(rect), end.in(rect));
  g.setStops(stops);
  return g;
}

QRadialGradient radialGradient(const QRectF& rect, UnitPoint centre, double startRadius, double endRadius,
                               const QGradientStops& stops) {
  const QPointF c = centre.in(rect);
  QRadialGradient g(c, std::max(endRadius, 0.001), c, std::clamp(startRadius, 0.0, std::max(endRadius, 0.0)));
  g.setStops(stops);
  return g;
}

QColor colourAt(const QGradientStops& stops, double t) {
  if (stops.isEmpty()) return Qt::transparent;
  if (!(t > stops.front().first)) return stops.front().second;
  if (t >= stops.back().first) return stops.back().second;
  for (int i = 1; i < stops.size(); ++i) {
    if (t <= stops[i].first) {
      const auto& [p0, c0] = stops[i - 1];
      const auto& [p1, c1] = stops[i];
      const double u = p1 > p0 ? (t - p0) / (p1 - p0) : 1.0;
      auto mix = [u](float a, float b) { return float(a + (b - a) * u); };
      return QColor::fromRgbF(mix(c0.redF(), c1.redF()), mix(c0.greenF(), c1.greenF()),
                              mix(c0.blueF(), c1.blueF()), mix(c0.alphaF(), c1.alphaF()));
    }
  }
  return stops.back().second;
}

QConicalGradient angularGradient(QPointF centre, const QGradientStops& stops, double startDegrees,
                                 double endDegrees) {
  // QConicalGradient runs counter-clockwise from three o'clock. With its
  // angle at (90 - start), a point d degrees clockwise past the start sits
  // at position 1 - d / 360.
  QConicalGradient g(centre, 90.0 - startDegrees);
  const double span = endDegrees - startDegrees;
  const QColor first = colourAt(stops, 0.0);
  if (!(span > 0) || stops.isEmpty()) {
    g.setStops({{0.0, first}, {1.0, first}});
    return g;
  }
  QGradientStops out;
  if (span < 360) {
    const double gapEnd = 1.0 - span / 360.0;  // position of the arc's end
    const QColor last = colourAt(stops, 1.0);
    out.append({0.0, first});
    out.append({gapEnd / 2, first});
    out.append({std::nextafter(gapEnd / 2, 1.0), last});
    for (auto it = stops.crbegin(); it != stops.crend(); ++it) {
      out.append({std::max(gapEnd, 1.0 - it->first * span / 360.0), it->second});
    }
  } else {
    const double seen = 360.0 / span;  // fraction of the stops the first turn shows
    out.append({0.0, colourAt(stops, seen)});
    for (auto it = stops.crbegin(); it != stops.crend(); ++it) {
      if (it->first < seen) out.append({1.0 - it->first / seen, it->second});
    }
  }
  // Positions must rise; equal positions are nudged apart.
  for (int i = 1; i < out.size(); ++i) {
    if (out[i].first <= out[i - 1].first) out[i].first = std::min(1.0, std::nextafter(out[i - 1].first, 2.0));
  }
  g.setStops(out);
  return g;
}

}  // namespace tidewell::design
