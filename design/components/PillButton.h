#pragma once
// The filled capsule button of primary actions (PillButtonLook). Its glow
// is drawn by the nearest shadow host (ShadowLayer) so it is never clipped;
// its colour is the tint, else the section accent of where the button sits.
// Pressed: 97 % size, 85 % opacity, at once. A button may also be drawn
// at an opacity of its own (a disabled "Clean Up" at 0.45), glow included.

#include <QAbstractButton>

#include "design/components/PillButtonLook.h"
#include "design/paint/ShadowCaster.h"

namespace tidewell::design {

class PillButton : public QAbstractButton, public ShadowCaster {
  Q_OBJECT
 public:
  PillButton(PillLabel label, PillButtonLook look, QWidget* parent = nullptr);

  const PillButtonLook& pillLook() const { return look_; }
  void setPillLook(const PillButtonLook& look);
  const PillLabel& label() const { return label_; }
  void setLabel(const PillLabel& label);
  // The opacity the whole button, glow included, is drawn at (0...1).
  double opacity() const { return opacity_; }
  void setOpacity(double opacity);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }
  void paintShadows(QPainter& painter) const override;
  QRectF shadowArea() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void changed();
  PillLabel label_;
  PillButtonLook look_;
  double opacity_ = 1;
};

}  // namespace tidewell::design
