#pragma once
// A dotted gauge: 56 dots on a 300-degree arc, open at the bottom, running
// clockwise from the lower left; the first ones up to the used fraction are
// lit in the accent.

#include <QPointF>
#include <QWidget>
#include <vector>

#include "design/paint/PaintCache.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::design {

inline constexpr int kDotCount = 56;

struct Dot {
  QPointF centre;
  bool lit = false;
};

// Dot i sits at angle (i / 55 x 300 + 120) degrees (clockwise from three
// o'clock, y down) on a circle of radius min(w, h) / 2 - 8 about the centre;
// it is lit when used > 0 and i / 55 <= used.
std::vector<Dot> dotLayout(double width, double height, double used);

void paintDotGauge(QPainter& painter, const QRectF& rect, double used, const SectionPalette& accent);

class DotGauge : public QWidget {
  Q_OBJECT
 public:
  DotGauge(double used, double diameter, QWidget* parent = nullptr);

  double used() const { return used_; }
  void setUsed(double used);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double used_;
  double diameter_;
  PaintCache dots_;
};

}  // namespace tidewell::design
