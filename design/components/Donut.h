#pragma once
// A ring showing a used fraction: a faint track and an arc from twelve
// o'clock, clockwise, in the accent's deep-primary-soft angular gradient,
// glowing in the primary colour; a centre widget sits in the middle.

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <optional>

#include "design/paint/PaintCache.h"
#include "design/paint/Shadow.h"
#include "design/paint/ShadowCaster.h"
#include "design/theme/SectionPalette.h"

namespace tidewell::design {

struct DonutTrim {
  double end = 0;                 // arc end as a fraction of the circle: used, at most 1, at least 0.001
  double gradientEndDegrees = 0;  // used x 360, not clamped
};
DonutTrim donutTrim(double used);

// The arc's glow: primary at 0.35, radius 8, no offset.
Shadow donutShadow(const SectionPalette& accent);

// ringRect is the square of the stroked circle (diameter x diameter); the
// stroke reaches lineWidth / 2 beyond it.
void paintDonutShadow(QPainter& painter, const QRectF& ringRect, double lineWidth, double used,
                      const SectionPalette& accent);
void paintDonutBody(QPainter& painter, const QRectF& ringRect, double lineWidth, double used,
                    const SectionPalette& accent);
void paintDonut(QPainter& painter, const QRectF& ringRect, double lineWidth, double used,
                const SectionPalette& accent);

class Donut : public QWidget, public ShadowCaster {
  Q_OBJECT
 public:
  // Layout size: diameter + lineWidth in each direction.
  Donut(double used, double diameter, double lineWidth, QWidget* parent = nullptr);

  double used() const { return used_; }
  void setUsed(double used);
  // The widget shown centred in the ring (owned by the donut).
  void setCenter(QWidget* center);

  QSize sizeHint() const override;
  void paintShadows(QPainter& painter) const override;
  QRectF shadowArea() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRectF ringRect() const;
  double used_;
  double diameter_;
  double lineWidth_;
  QPointer<QWidget> center_;
  // The ring as last painted, and what it was painted for: the window
  // repaints with every frame of the backdrop while the ring stays still.
  PaintCache body_{PaintCache::Beyond::ScalePicture};
};

}  // namespace tidewell::design
