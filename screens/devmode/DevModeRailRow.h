#pragma once
// One group of the Dev Mode rail: its check box (an eye for the models
// group), symbol, label, count and size, and a chevron. The viewed row is
// filled and edged in the accent and its chevron is lit. A tap on the row
// asks to view the group; a tap on the box asks to pick or drop the group
// whole. Plain values in, callbacks out. GUI thread only.

#include <QString>
#include <functional>

#include "design/symbols/SymbolTable.h"
#include "screens/common/controls/SelectionBox.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::screens {

class SymbolView;
class TextLabel;

struct RailRowValues {
  QString id;
  QString label;
  design::SymbolName symbol{QString()};
  QString caption;  // "12 · 3.4 GB"
  bool isModels = false;
  SelectionMark mark = SelectionMark::off;
  bool viewed = false;
};

class DevModeRailRow : public Surface {
  Q_OBJECT
  Q_PROPERTY(bool viewed READ isViewed)
 public:
  DevModeRailRow(const RailRowValues& values, std::function<void()> onView, std::function<void()> onBox,
                 QWidget* parent = nullptr);

  void setValues(const RailRowValues& values);
  const RailRowValues& values() const { return values_; }
  bool isViewed() const { return values_.viewed; }
  SelectionBox* box() const { return box_; }

 protected:
  void paintBackground(QPainter& painter, const QRectF& rect) override;
  void addBackgroundKey(design::PaintKey& key) const override;

 private:
  RailRowValues values_;
  std::function<void()> onView_;
  std::function<void()> onBox_;
  SelectionBox* box_;
  SymbolView* eye_;
  SymbolView* symbol_;
  TextLabel* label_;
  TextLabel* caption_;
  SymbolView* chevron_;
};

}  // namespace tidewell::screens
