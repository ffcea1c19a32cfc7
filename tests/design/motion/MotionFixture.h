#pragma once
// Test helpers for the moving components: a frozen animation clock with
// motion allowed (or reduced) for the life of the fixture, and the hue of
// a sampled pixel.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QWidget>

#include "design/motion/AnimationClock.h"
#include "design/motion/MotionPreference.h"

namespace tidewell::design::testing {

// The clock stands at 1000 s; motion is on unless the test turns it off.
class FrozenMotion {
 public:
  explicit FrozenMotion(bool reduce = false) {
    setReduceMotionOverride(reduce);
    AnimationClock::shared().freeze(1000.0);
  }
  ~FrozenMotion() {
    AnimationClock::shared().resume();
    setReduceMotionOverride(std::nullopt);
  }
  FrozenMotion(const FrozenMotion&) = delete;
  FrozenMotion& operator=(const FrozenMotion&) = delete;

  void reduce(bool on) { setReduceMotionOverride(on); }
  // Moves time on in frames of step seconds, ticking every running timer.
  void advance(double seconds, double step = 1.0 / 60) {
    for (double done = 0; done < seconds - 1e-9; done += step) AnimationClock::shared().advance(step);
  }
};

// Renders widget (and its children, no window background) onto black.
inline QImage renderOnBlack(QWidget& widget) {
  QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::black);
  widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
  return image;
}

// The hue (0...360) of a pixel, or -1 for a grey one.
inline double hueAt(const QImage& image, int x, int y) {
  const QColor c = image.pixelColor(x, y);
  return c.hsvSaturationF() < 0.15 ? -1.0 : c.hsvHueF() * 360.0;
}

inline double hueDistance(double a, double b) {
  const double d = std::abs(a - b);
  return std::min(d, 360.0 - d);
}

}  // namespace tidewell::design::testing
