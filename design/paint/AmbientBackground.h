#pragma once
// The ambient backdrop behind a window's content: the drifting colour wash
// in the accent given, with the grain on top. The wash is rendered at an
// eighth of the resolution (it holds nothing sharper) and scaled up with
// the grain into one picture at device resolution once per frame, which
// repaints of part of the window reuse. While the window is shown and
// reduce motion is off it looks at the drift 10 times a second, and
// paints a new frame only when the wash has moved by a visible amount
// (see kVisibleWashChange); otherwise it stands still at t = 0. Time comes from the shared
// AnimationClock. It paints an opaque background, so it is a shadow host:
// the glows of the cards and tiles it holds are drawn by it. GUI thread
// only.

#include <QImage>
#include <QWidget>

#include "design/theme/SectionPalette.h"

namespace tidewell::design {

class FrameTimer;

// The wash is drawn at this fraction of the window's pixels.
inline constexpr double kWashResolution = 0.125;

// The wash's time: the clock's, held for each tenth of a second (a frame)
// so repaints within a frame agree; 0 under reduce motion.
double ambientTime(bool reduceMotion, double now);

// How far the wash moved between two pictures of it of one size: the mean,
// over their pixels, of the largest channel difference, in levels; -1 when
// the sizes differ.
double washChange(const QImage& a, const QImage& b);

// The drift's next frame is painted once the wash has moved by this much
// since the frame on screen. At its pace that is every two to five ticks
// of the drift, each step changing a pixel by half a level on average and
// by two or three at most, so the motion looks the same as at ten frames a
// second while the window repaints a few times a second.
inline constexpr double kVisibleWashChange = 0.5;

// Draws the backdrop over rect at time t: the reduced-resolution wash
// scaled up, then the grain.
void paintAmbientBackground(QPainter& painter, const QRectF& rect, const SectionPalette& accent, double t);

class AmbientBackground : public QWidget {
  Q_OBJECT
 public:
  explicit AmbientBackground(SectionPalette accent, QWidget* parent = nullptr);

  const SectionPalette& accent() const { return accent_; }
  void setAccent(const SectionPalette& accent);
  // The drift's time now, and the time of the frame on screen.
  double currentTime() const;
  double shownTime() const { return shownTime_; }
  bool isAnimating() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // A tick of the drift: moves the frame on screen on when the wash has
  // moved visibly since it.
  void advance();
  void showWashAt(double t);

  SectionPalette accent_;
  FrameTimer* frames_;
  // The wash on screen, its time and accent, and the frame made of it
  // (wash and grain at device resolution), reused by every repaint.
  QImage shownWash_;
  double shownTime_ = 0;
  SectionPalette shownAccent_;
  QImage frame_;
  bool frameStale_ = true;
};

}  // namespace tidewell::design
