#pragma once
// The ring around the control that has the keyboard focus: a 2-point
// outline just inside the control's shape in the ring's accent (see
// ringAccentOf), with a 2-point gap of the window background inside it, so
// the outline stands apart from any fill, one in the accent itself
// included. The ring is a child laid over its control (it takes no input
// and is left out of the accessibility tree); KeyboardFocus moves it from
// control to control and shows it only while the keyboard is in use. GUI
// thread only.

#include <QMarginsF>
#include <QPointer>
#include <QWidget>

#include "design/theme/SectionPalette.h"

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
// The background-coloured band between the outline and the control's fill.
inline constexpr double kFocusRingGap = 2;

// The ring whose outer edge is rect.
void paintFocusRing(QPainter& painter, const QRectF& rect, double radius, const QColor& accent);

// The ring on the controls below widget takes palette's primary: a palette
// set here wins over a section accent set on widget itself and above it,
// while a section accent set nearer to a control wins over it (a part of
// the window outside every section, such as the sidebar or About, has its
// ring in the colour of the section shown, its own accent parts staying as
// they are).
void setRingAccent(QWidget* widget, const SectionPalette& palette);
// The palette of the ring on control: the nearest of a ring accent and a
// section accent set on it or above it (at one widget the ring accent
// first), else the clean palette.
SectionPalette ringAccentOf(const QWidget* control);

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
