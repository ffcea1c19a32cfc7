#pragma once
// One cleanup item of the Dev Mode detail: a check box, the title (with a
// "review" badge on caution rows), the detail sentence and the size. A tap
// anywhere on the row flips the pick through the binding it is given; the
// box is not a control of its own. Picked and unpicked differ in the box,
// the row's fill and border and the size colour, which ease over 0.15 s
// together (at once under reduce motion). The row reads the binding and
// keeps no state of its own. GUI thread only.

#include <QString>

#include "design/motion/Transition.h"
#include "engine/clean/CleanupItem.h"
#include "screens/common/BoolBinding.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::design {
class FrameTimer;
}

namespace tidewell::screens {

class Badge;
class TextLabel;

class DevItemRow : public Surface {
  Q_OBJECT
  Q_PROPERTY(bool on READ isOn)
 public:
  DevItemRow(const engine::CleanupItem& item, BoolBinding isOn, QWidget* parent = nullptr);

  // A new copy of the item (and its binding); the pick is read again and
  // a change eases in.
  void setItem(const engine::CleanupItem& item, BoolBinding isOn);
  // Reads the binding again, after the model changed the pick.
  void refresh();

  bool isOn() const { return on_; }
  // Whether the "review" badge shows (caution rows only).
  bool hasBadge() const;

 protected:
  void paintBackground(QPainter& painter, const QRectF& rect) override;
  void addBackgroundKey(design::PaintKey& key) const override;

 private:
  // The size's colour and the paint at the litness now; frames run on
  // while animate and the ease is under way.
  void applyLitness(bool animate);
  void onFrame();
  // 0 unpicked ... 1 picked, at the clock's time.
  double litness() const;

  BoolBinding binding_;
  bool on_ = false;
  QWidget* boxSlot_;
  TextLabel* title_;
  Badge* badge_;
  TextLabel* detail_;
  TextLabel* size_;
  design::Transition lit_;
  design::FrameTimer* frames_;
};

}  // namespace tidewell::screens
