#pragma once
// The determinate progress bar of a scanning state: a capsule track of
// white at 0.1, 6 high, and from its leading edge a fill in a tint (the
// section accent's primary unless given) as long as the value (0...1,
// clamped) of the width. It does not animate by itself. Its width is given
// (240, 260). GUI thread only.

#include <QWidget>
#include <optional>

namespace tidewell::screens {

inline constexpr double kProgressBarHeight = 6;

// width x value, value clamped to 0...1 (not a number counts as 0).
double progressFillWidth(double width, double value);

void paintProgressBar(QPainter& painter, const QRectF& rect, double value, const QColor& tint);

class ProgressBar : public QWidget {
  Q_OBJECT
  Q_PROPERTY(double value READ value WRITE setValue)
 public:
  ProgressBar(double value, int width, std::optional<QColor> tint = std::nullopt, QWidget* parent = nullptr);

  double value() const { return value_; }
  void setValue(double value);
  QColor currentTint() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double value_;
  std::optional<QColor> tint_;
};

}  // namespace tidewell::screens
