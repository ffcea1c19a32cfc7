#pragma once
// The ambient backdrop behind a window's content: the drifting colour wash
// in the accent given, with the grain on top. The wash is rendered at an
// eighth of the resolution (it holds nothing sharper) and scaled up with
// the grain into one picture at device resolution once per frame, which
// repaints of part of the window reuse. It drifts 10
// frames a second while the window is shown and reduce motion is off;
// otherwise it stands still at t = 0. Time comes from the shared
// AnimationClock. It paints an opaque background, so it is a shadow host:
// the glows of the cards and tiles it holds are drawn by it. GUI thread
// only.

#include <QImage>
#include <QWidget>

#include "design/SectionPalette.h"

namespace tidewell::design {

class FrameTimer;

// The wash is drawn at this fraction of the window's pixels.
inline constexpr double kWashResolution = 0.125;

// The wash's time: the clock's, held for each tenth of a second (a frame)
// so repaints within a frame agree; 0 under reduce motion.
double ambientTime(bool reduceMotion, double now);

// Draws the backdrop over rect at time t: the reduced-resolution wash
// scaled up, then the grain.
void paintAmbientBackground(QPainter& painter, const QRectF& rect, const SectionPalette& accent, double t);

class AmbientBackground : public QWidget {
  Q_OBJECT
 public:
  explicit AmbientBackground(SectionPalette accent, QWidget* parent = nullptr);

  const SectionPalette& accent() const { return accent_; }
  void setAccent(const SectionPalette& accent);
  // The time the wash is drawn at now.
  double currentTime() const;
  bool isAnimating() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  SectionPalette accent_;
  FrameTimer* frames_;
  // The last frame (wash and grain at device resolution), reused by
  // repaints within the same tick.
  QImage frame_;
  double frameTime_ = 0;
  SectionPalette frameAccent_;
  QSize frameSize_;
};

}  // namespace tidewell::design
