#pragma once
// Gradients placed the way the interface describes them: linear and radial
// gradients by unit points of a rect ((0,0) top-leading, (1,1)
// bottom-trailing), and angular gradients by angles in degrees measured
// clockwise from twelve o'clock.

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>
#include <QRectF>

namespace tidewell::design {

struct UnitPoint {
  double x = 0.5, y = 0.5;
  static constexpr UnitPoint topLeading() { return {0, 0}; }
  static constexpr UnitPoint top() { return {0.5, 0}; }
  static constexpr UnitPoint topTrailing() { return {1, 0}; }
  static constexpr UnitPoint leading() { return {0, 0.5}; }
  static constexpr UnitPoint center() { return {0.5, 0.5}; }
  static constexpr UnitPoint trailing() { return {1, 0.5}; }
  static constexpr UnitPoint bottomLeading() { return {0, 1}; }
  static constexpr UnitPoint bottom() { return {0.5, 1}; }
  static constexpr UnitPoint bottomTrailing() { return {1, 1}; }
  QPointF in(const QRectF& rect) const {
    return {rect.left() + x * rect.width(), rect.top() + y * rect.height()};
  }
};

// Evenly spaced stops for a list of colours.
QGradientStops evenStops(std::initializer_list<QColor> colours);

QLinearGradient linearGradient(const QRectF& rect, UnitPoint start, UnitPoint end,
                               const QGradientStops& stops);

// From startRadius (position 0) to endRadius (position 1) about centre;
// beyond the end the last colour is kept.
QRadialGradient radialGradient(const QRectF& rect, UnitPoint centre, double startRadius, double endRadius,
                               const QGradientStops& stops);

// The stops spread clockwise from startDegrees to endDegrees (which may
// pass a full turn: only the first turn is seen). Where the turn is not
// full, the gap holds the end colour for its first half and the start
// colour for its second, so a round cap at either end of an arc keeps its
// end's colour. A span of 0 or less is the start colour throughout.
QConicalGradient angularGradient(QPointF centre, const QGradientStops& stops, double startDegrees,
                                 double endDegrees);

// The colour of stops at position t (clamped), interpolated per channel.
QColor colourAt(const QGradientStops& stops, double t);

}  // namespace tidewell::design
