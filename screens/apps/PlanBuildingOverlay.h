#pragma once
// The capsule laid over the bottom of the Apps list while a plan is being
// built: a small spinner in the accent's primary and "Hunting leftovers…"
// (12 regular, secondary), 8 apart, padded 16 by 10, on the card surface
// with a hairline edge and a soft black shadow (0.35, radius 14, 6 down).
// The widget is larger than its capsule by the shadow's reach and lets
// every click through, so what lies under it stays usable. The screen
// places it (placeAt). GUI thread only.

#include <QWidget>

namespace tidewell::screens {

class PlanBuildingOverlay : public QWidget {
  Q_OBJECT
 public:
  explicit PlanBuildingOverlay(QWidget* parent = nullptr);

  // The capsule's own size, without the shadow's margins.
  QSize capsuleSize() const;
  // Moves the widget so its capsule's bottom centre sits at point (in the
  // parent's coordinates).
  void placeAt(QPoint bottomCentre);
  QRect capsuleRect() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QWidget* row_;
};

}  // namespace tidewell::screens
