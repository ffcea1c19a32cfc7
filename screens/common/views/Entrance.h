#pragma once
// A widget coming into view: it fades in from nothing and, when asked,
// rises into its place from rise points below it, on an ease-in-out curve
// (the done block of a Smart Scan, a page that replaces another). Drawn
// through a graphics effect on the widget, which is switched off once the
// widget stands in place; under reduce motion the widget appears at once.
// GUI thread only; owned by (parented to) its widget.

#include <QGraphicsEffect>
#include <QObject>

#include "design/motion/Transition.h"

namespace tidewell::design {
class FrameTimer;
}

namespace tidewell::screens {

// Draws its widget at an opacity and moved down by an offset.
class EntranceEffect : public QGraphicsEffect {
  Q_OBJECT
 public:
  using QGraphicsEffect::QGraphicsEffect;

  double opacity() const { return opacity_; }
  double offset() const { return offset_; }
  void setFrame(double opacity, double offset);
  QRectF boundingRectFor(const QRectF& rect) const override;

 protected:
  void draw(QPainter* painter) override;

 private:
  double opacity_ = 1;
  double offset_ = 0;
};

class Entrance : public QObject {
  Q_OBJECT
 public:
  // Starts widget's entrance over seconds; rise 0 only fades.
  static Entrance* play(QWidget* widget, double seconds, double rise = 0);

  // 0 at the start, 1 once the widget stands in place.
  double progress() const;
  bool isFinished() const;

 private:
  Entrance(QWidget* widget, double seconds, double rise);
  void onFrame();

  QWidget* widget_;
  double rise_;
  design::Transition progress_;
  EntranceEffect* effect_;
  design::FrameTimer* frames_;
};

}  // namespace tidewell::screens
