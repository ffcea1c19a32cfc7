#pragma once
// A RingGauge with a column centred over it (a symbol, a percentage, a
// word), whose progress eases out to each new value over a fixed time
// from wherever it stands: the scanning ring, the cleaning ring and the
// result ring of the Clean screens. Under reduce motion a new value shows
// at once. Frames run only while shown. GUI thread only.

#include <QWidget>

#include "design/motion/Transition.h"

class QVBoxLayout;

namespace tidewell::design {
class FrameTimer;
class RingGauge;
}  // namespace tidewell::design

namespace tidewell::screens {

class ProgressRing : public QWidget {
  Q_OBJECT
 public:
  // easing: seconds of the ease-out to a new value.
  ProgressRing(double diameter, double lineWidth, double easing, QWidget* parent = nullptr);

  // The column over the ring's centre (no margins; the caller sets spacing).
  QVBoxLayout* centre() const { return centre_; }
  design::RingGauge* gauge() const { return gauge_; }

  // Eases to progress.
  void setProgress(double progress);
  // Stands at progress at once.
  void jumpTo(double progress);
  // Where the ease is heading, and where the ring stands now.
  double targetProgress() const { return transition_.target(); }
  double shownProgress() const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void onFrame();

  design::RingGauge* gauge_;
  QWidget* overlay_;
  QVBoxLayout* centre_;
  design::Transition transition_;
  design::FrameTimer* frames_;
};

}  // namespace tidewell::screens
