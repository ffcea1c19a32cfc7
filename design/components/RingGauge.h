#pragma once
// A circular progress gauge: a faint track and an arc from twelve o'clock,
// clockwise, in the deep-primary-soft angular gradient, over a blurred
// glow of the same arc that brightens as the progress grows. The gauge
// does not animate by itself: progress is a property a caller animates.
//
// The glow reaches 32 points beyond the layout cell (diameter + 2 x line
// width), so, like every out-of-cell drawing, the shadow host draws the
// flattened gauge; without a host the gauge draws it inside its own rect.
// The flattened picture is rendered once per progress, palette, size and
// device pixel ratio. GUI thread only.

#include <QImage>
#include <QWidget>
#include <optional>

#include "design/paint/RingGeometry.h"
#include "design/paint/ShadowCaster.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::design {

// The flattened gauge: a square of side diameter + 2 x lineWidth + 2 x
// kRingBleed, the stroked circle centred in it; the glow is clipped to it.
QImage ringGaugeImage(double diameter, double lineWidth, double progress, const SectionPalette& palette,
                      double dpr);

// Draws the gauge whose stroked circle is circleRect (the glow reaching
// lineWidth + kRingBleed beyond it) at the painter device's pixel ratio.
void paintRingGauge(QPainter& painter, const QRectF& circleRect, double lineWidth, double progress,
                    const SectionPalette& palette);

class RingGauge : public QWidget, public ShadowCaster {
  Q_OBJECT
  Q_PROPERTY(double progress READ progress WRITE setProgress)
 public:
  RingGauge(double progress, double diameter, double lineWidth, QWidget* parent = nullptr);

  double progress() const { return progress_; }
  void setProgress(double progress);
  // Colours of its own instead of the section accent (none: the accent).
  void setExplicitPalette(std::optional<SectionPalette> palette);
  SectionPalette currentPalette() const;

  QSize sizeHint() const override;
  void paintShadows(QPainter& painter) const override;
  QRectF shadowArea() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF circleRect() const;
  void changed();

  double progress_;
  double diameter_;
  double lineWidth_;
  std::optional<SectionPalette> palette_;
};

}  // namespace tidewell::design
