#include "app/about/InstagramMark.h"

#include <QPainter>
#include <algorithm>

#include "design/paint/Shapes.h"

namespace tidewell::app {

double instagramMarkLineWidth(double side) { return std::max(0.1 * side, 1.3); }

void paintInstagramMark(QPainter& painter, const QRectF& rect) {
  const double s = std::min(rect.width(), rect.height());
  const double w = instagramMarkLineWidth(s);
  const QPointF centre = rect.center();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(Qt::white, w, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  pen.setMiterLimit(10);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  // The outline lies inside the square; the lens is stroked on its circle.
  const QRectF square(centre.x() - s / 2, centre.y() - s / 2, s, s);
  painter.drawPath(design::innerBorderPath(square, 0.3 * s, w));
  const double lens = 0.46 * s;
  painter.drawEllipse(centre, lens / 2, lens / 2);
  const double dot = 0.13 * s;
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QPointF(centre.x() + 0.23 * s, centre.y() - 0.23 * s), dot / 2, dot / 2);
  painter.restore();
}

}  // namespace tidewell::app
