#pragma once
// A horizontal capsule track with a capsule fill in the accent's
// soft-primary-deep gradient, leading to trailing.

#include <QWidget>

#include "design/theme/SectionPalette.h"

namespace tidewell::design {

// W x fraction for 0 <= fraction < 1, 0 for a negative (or NaN) fraction,
// W from 1 up; never less than height, so an empty bar shows a round stub.
double gradientBarFillWidth(double width, double fraction, double height);

// rect is the bar's frame (its height is the bar's height).
void paintGradientBar(QPainter& painter, const QRectF& rect, double fraction, const SectionPalette& accent);

class GradientBar : public QWidget {
  Q_OBJECT
 public:
  GradientBar(double fraction, double height, QWidget* parent = nullptr);

  double fraction() const { return fraction_; }
  void setFraction(double fraction);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double fraction_;
  double height_;
};

}  // namespace tidewell::design
