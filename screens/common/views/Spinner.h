#pragma once
// The indeterminate progress indicator: twelve spokes turning a step at a
// time, once a second, the leading spoke brightest, in a tint (the section
// accent's primary unless given). Sizes of the platform's controls: regular
// 32, small 16, mini 10 across. It turns only while shown and motion is
// not reduced (then it stands at its first step). GUI thread only.

#include <QWidget>
#include <optional>

namespace tidewell::design {
class FrameTimer;
}

namespace tidewell::screens {

enum class ControlSize { regular, small, mini };

double spinnerDiameter(ControlSize size);
// The opacity of spoke (0 at twelve o'clock, clockwise) of count when the
// leading spoke is lead: 1 for the lead, falling to 0.2 behind it.
double spinnerSpokeOpacity(int spoke, int lead, int count);
// The leading spoke seconds after the spinner started.
int spinnerLead(double seconds, int count);

void paintSpinner(QPainter& painter, const QRectF& rect, const QColor& tint, int lead);

class Spinner : public QWidget {
  Q_OBJECT
 public:
  explicit Spinner(ControlSize size = ControlSize::small, std::optional<QColor> tint = std::nullopt,
                   QWidget* parent = nullptr);

  QColor currentTint() const;
  bool isTurning() const;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ControlSize size_;
  std::optional<QColor> tint_;
  design::FrameTimer* frames_;
};

}  // namespace tidewell::screens
