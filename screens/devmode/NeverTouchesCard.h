#pragma once
// The card under the Dev Mode rail that says what is never cleaned: a lock
// and "Never touches" over three lines. The same whatever a scan found.
// GUI thread only.

#include "screens/common/layout/Surface.h"

namespace tidewell::screens {

class NeverTouchesCard : public Surface {
  Q_OBJECT
 public:
  explicit NeverTouchesCard(QWidget* parent = nullptr);

 protected:
  void paintBackground(QPainter& painter, const QRectF& rect) override;
  void addBackgroundKey(design::PaintKey& key) const override;
};

}  // namespace tidewell::screens
