#pragma once
// The shapes every component is cut from: rounded rectangles with
// continuous (curvature-smooth) corners, capsules, and borders stroked on
// the inside of a shape's edge.

#include <QPainterPath>
#include <QRectF>

class QBrush;
class QPainter;

namespace tidewell::design {

// A rounded rectangle whose corners ease into the straight edges instead of
// meeting them as circular arcs. When the rect is too small for the smooth
// corner, the corner falls back to a circular arc of the largest radius
// that fits (so a radius of half the height gives a capsule).
QPainterPath continuousRoundedRect(const QRectF& rect, double radius);
// Fully rounded ends: radius = half the shorter side.
QPainterPath capsule(const QRectF& rect);

// The outline along which a border of lineWidth lies fully inside the
// shape's edge (the rect inset by half the width, the radius likewise).
QPainterPath innerBorderPath(const QRectF& rect, double radius, double lineWidth);
// Strokes that border with brush.
void strokeInside(QPainter& painter, const QRectF& rect, double radius, double lineWidth,
                  const QBrush& brush);

}  // namespace tidewell::design
