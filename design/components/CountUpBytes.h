#pragma once
// A byte count that counts up from 0 to its target each time it is shown:
// ease-out cubic over duration seconds, 30 frames a second, resting on the
// exact target 0.2 seconds after the end. A new target given while it is
// shown is counted to, the same way, from the count on screen. Written in
// the file style of byteCountText with monospaced digits. It is as wide as
// the widest text the count passes through ("999 KB" on the way to "8
// MB"), so no frame is cut, while the final text looks as it would alone.
// Under reduce motion it shows the target at once. Time comes from the
// shared AnimationClock; frames run only while shown. A reader hears the
// figure it arrives at, told again when the target changes. GUI thread only.

#include <QColor>
#include <QFont>
#include <QWidget>
#include <cstdint>
#include <optional>

namespace tidewell::design {

class FrameTimer;

class CountUpBytes : public QWidget {
  Q_OBJECT
 public:
  // duration in seconds (negative counts as 0).
  CountUpBytes(int64_t target, double duration, QFont font, QWidget* parent = nullptr);

  int64_t target() const { return target_; }
  // Shown: counts from shownBytes() now to target over the duration.
  // Not shown: the next showing counts from 0 to target.
  void setTarget(int64_t target);
  // The colour of the digits (white unless set); none: the section accent's
  // primary where the count sits, read when it is painted.
  void setColor(std::optional<QColor> color);
  void setAlignment(Qt::Alignment alignment);
  // One line that shrinks to fit: when the widget is narrower than the
  // final count, the font is scaled down to fit it, but not below scale of
  // its size (1, the default, never shrinks).
  void setMinimumScale(double scale);
  // The factor the font is drawn at now, at the current width: the final
  // count's, held while it counts, and less only for a text on the way that
  // would not fit at it (where the widget cannot have the width it asks).
  double fontScale() const;

  // The count at the clock's time.
  int64_t shownBytes() const;
  QString text() const;
  // The count is over and the frames have stopped.
  bool isFinished() const { return finished_; }
  bool isAnimating() const;

  QSize sizeHint() const override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void onFrame();
  void setFrom(int64_t from);
  // The widest text (at the font's own size) of the counts the widget
  // shows: from 0 to the target, and from the count a new target took over.
  double widestTextWidth() const;

  int64_t target_;
  // Where the count under way started (0 unless the target changed).
  int64_t from_ = 0;
  double duration_;
  QFont font_;
  std::optional<QColor> color_ = QColor(Qt::white);
  Qt::Alignment alignment_ = Qt::AlignCenter;
  double minimumScale_ = 1;
  mutable std::optional<double> widestTextWidth_;
  std::optional<double> startDate_;
  bool finished_ = false;
  FrameTimer* frames_;
};

}  // namespace tidewell::design
