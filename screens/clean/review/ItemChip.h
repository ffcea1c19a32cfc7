#pragma once
// One item in the review screen's right pane: a tick box (on or off), the
// row's title with a "Review" tag for caution rows, its detail sentence,
// and its size. A click anywhere on the chip flips the item's selection
// through its binding; the chip then shows what the model holds, easing
// its fill, border and size colour over 0.15 s (at once under reduce
// motion). Gets plain texts and a binding from its screen and never reads
// the model. objectName "itemChip", keyed by the row id; children
// "chipCheck", "chipTitle", "reviewTag", "chipDetail", "chipSize". GUI
// thread only.

#include "design/motion/Transition.h"
#include "screens/clean/rules/ReviewRules.h"
#include "screens/common/BoolBinding.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::design {
class FrameTimer;
}

namespace tidewell::screens {

class Badge;
class SelectionBox;
class TextLabel;

class ItemChip : public Surface {
  Q_OBJECT
 public:
  ItemChip(const QString& id, BoolBinding binding, QWidget* parent = nullptr);

  void setContent(const ChipContent& content);
  const ChipContent& content() const { return content_; }
  void setBinding(BoolBinding binding) { binding_ = std::move(binding); }
  bool isOn() const { return content_.mark == SelectionMark::on; }
  // How far the look has eased towards selected: 0 off ... 1 on.
  double selectionAmount() const;

  // The look and size colour at a selection amount (0 off ... 1 on), in accent.
  static SurfaceLook lookAt(double on, const QColor& accent);
  static QColor sizeColourAt(double on);

 protected:
  void paintBackground(QPainter& painter, const QRectF& rect) override;
  void addBackgroundKey(design::PaintKey& key) const override;

 private:
  void onFrame();

  BoolBinding binding_;
  ChipContent content_;
  design::Transition selection_;
  design::FrameTimer* frames_;
  SelectionBox* check_;
  TextLabel* title_;
  Badge* tag_;
  TextLabel* detail_;
  TextLabel* size_;
};

}  // namespace tidewell::screens
