#include "design/paint/Shapes.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <algorithm>

namespace tidewell::design {

namespace {

// How far along each edge a smooth corner of radius 1 reaches.
constexpr double kReach = 1.528665;

// One corner as points (along the incoming edge, inward), in units of the
// radius, measured from the corner: symmetric about the diagonal.
struct CornerPoint {
  double along, inward;
};
constexpr CornerPoint kCorner[] = {
    {1.528665, 0.0},      {1.088493, 0.0},      {0.868407, 0.0},      {0.669934, 0.065496},  // curve
    {0.631494, 0.074911},                                                                    // line
    {0.372824, 0.169059}, {0.169060, 0.372824}, {0.074911, 0.631494},                        // curve
    {0.065496, 0.669934},                                                                    // line
    {0.0, 0.868407},      {0.0, 1.088493},      {0.0, 1.528665},                             // curve
};

// Appends a corner at `corner`; dirIn points along the incoming edge towards
// the corner, dirOut along the outgoing edge away from it.
void addCorner(QPainterPath& path, QPointF corner, QPointF dirIn, QPointF dirOut, double r, bool first) {
  auto at = [&](const CornerPoint& p) {
    // "along" is distance back along the incoming edge; "inward" is the
    // distance along the outgoing edge. Past the diagonal the roles swap.
    return corner - dirIn * (p.along * r) + dirOut * (p.inward * r);
  };
  if (first)
    path.moveTo(at(kCorner[0]));
  else
    path.lineTo(at(kCorner[0]));
  path.cubicTo(at(kCorner[1]), at(kCorner[2]), at(kCorner[3]));
  path.lineTo(at(kCorner[4]));
  path.cubicTo(at(kCorner[5]), at(kCorner[6]), at(kCorner[7]));
  path.lineTo(at(kCorner[8]));
  path.cubicTo(at(kCorner[9]), at(kCorner[10]), at(kCorner[11]));
}

}  // namespace

QPainterPath continuousRoundedRect(const QRectF& rect, double radius) {
  QPainterPath path;
  if (rect.width() <= 0 || rect.height() <= 0) return path;
  const double half = std::min(rect.width(), rect.height()) / 2;
  const double r = std::clamp(radius, 0.0, half);
  if (r <= 0) {
    path.addRect(rect);
    return path;
  }
  if (r * kReach > half) {
    path.addRoundedRect(rect, r, r);
    return path;
  }
  const QPointF right(1, 0), down(0, 1), left(-1, 0), up(0, -1);
  addCorner(path, rect.topRight(), right, down, r, true);
  addCorner(path, rect.bottomRight(), down, left, r, false);
  addCorner(path, rect.bottomLeft(), left, up, r, false);
  addCorner(path, rect.topLeft(), up, right, r, false);
  path.closeSubpath();
  return path;
}

QPainterPath capsule(const QRectF& rect) {
  return continuousRoundedRect(rect, std::min(rect.width(), rect.height()) / 2);
}

QPainterPath innerBorderPath(const QRectF& rect, double radius, double lineWidth) {
  const double inset = lineWidth / 2;
  return continuousRoundedRect(rect.adjusted(inset, inset, -inset, -inset), std::max(0.0, radius - inset));
}

void strokeInside(QPainter& painter, const QRectF& rect, double radius, double lineWidth,
                  const QBrush& brush) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(brush, lineWidth));
  painter.drawPath(innerBorderPath(rect, radius, lineWidth));
  painter.restore();
}

}  // namespace tidewell::design
