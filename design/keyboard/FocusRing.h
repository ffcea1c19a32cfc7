#pragma once
// The ring around the control that has the keyboard focus: a 2-point
// outline just inside the control's shape in the section accent's primary,
// with a thin dark line inside it so it reads on a fill of the same colour.
// The ring is a child laid over its control (it takes no input and is
// left out of the accessibility tree); KeyboardFocus moves it from control
// to control and shows it only while the keyboard is in use. GUI thread
// only.

#include <QMarginsF>
#include <QPointer>
#include <QWidget>

namespace tidewell::design {

// The shape a control's ring follows.
struct FocusRingShape {
  // Corner radius of the ring's outer edge; kCapsule: half the shorter side.
  double radius = 8;
  // From the control's edges to the ring's outer edge.
  QMarginsF inset;
  static constexpr double kCapsule = -1;
  static FocusRingShape capsule(QMarginsF inset = {}) { return {kCapsule, inset}; }
  bool operator==(const FocusRingShape&) const = default;
};

inline constexpr double kFocusRingWidth = 2;

// The ring whose outer edge is rect.
void paintFocusRing(QPainter& painter, const QRectF& rect, double radius, const QColor& accent);

class FocusRing : public QWidget {
  Q_OBJECT
 public:
  explicit FocusRing(QWidget* parent = nullptr);

  // Lays the ring over control (nullptr: takes it away).
  void attach(QWidget* control);
  QWidget* control() const { return control_; }
  // Follows the control's size; the control's owner calls it on a resize.
  void follow();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPointer<QWidget> control_;
};

}  // namespace tidewell::design
