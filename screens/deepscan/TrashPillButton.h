#pragma once
// The quiet capsule holding only the red "trash" symbol, whatever the tint
// of the card it sits on. GUI thread only.

#include <QAbstractButton>

namespace tidewell::screens {

class TrashPillButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit TrashPillButton(QWidget* parent = nullptr);

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tidewell::screens
