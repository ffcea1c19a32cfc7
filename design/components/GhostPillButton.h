#pragma once
// The quiet capsule button of secondary actions: raised surface, hairline
// border, no glow. Pressed: 97 % size, 85 % opacity, at once.

#include <QAbstractButton>

#include "design/components/PillButtonLook.h"

namespace tidewell::design {

class GhostPillButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit GhostPillButton(PillLabel label, QWidget* parent = nullptr);

  const PillLabel& label() const { return label_; }
  void setLabel(const PillLabel& label);
  // The label's colour (ghostPillForeground() unless set).
  const QColor& foreground() const { return foreground_; }
  void setForeground(const QColor& colour);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PillLabel label_;
  QColor foreground_ = ghostPillForeground();
};

}  // namespace tidewell::design
