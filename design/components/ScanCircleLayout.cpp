#include "design/components/ScanCircleLayout.h"

#include <cmath>

namespace tidewell::design {

namespace {
QRectF centredSquare(QPointF centre, double side) {
  return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}
}  // namespace

ScanCircleLayout scanCircleLayout(const QRectF& rect, double titleHeight) {
  const QPointF c = rect.center();
  ScanCircleLayout layout;
  layout.circle = centredSquare(c, kScanCircleDiameter);
  layout.ring = centredSquare(c, kScanRingDiameter);
  const double stack = kScanBlobSize + kScanSpacing + titleHeight;
  const double top = c.y() - stack / 2;
  layout.blob = QRectF(c.x() - kScanBlobSize / 2, top, kScanBlobSize, kScanBlobSize);
  layout.title =
      QRectF(layout.ring.left(), top + kScanBlobSize + kScanSpacing, kScanRingDiameter, titleHeight);
  return layout;
}

bool scanCircleHit(const QRectF& rect, QPointF pos) {
  const QPointF d = pos - rect.center();
  const double r = kScanRingDiameter / 2;
  return d.x() * d.x() + d.y() * d.y() <= r * r;
}

double scanCircleFillOpacity(double hover) { return 0.06 + 0.06 * hover; }
double scanCircleScale(double hover) { return 1 + 0.04 * hover; }
double scanCircleGlowOpacity(double hover) { return 0.25 * hover; }

}  // namespace tidewell::design
