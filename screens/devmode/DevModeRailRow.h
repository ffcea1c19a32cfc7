#pragma once
// One group of the Dev Mode rail: its check box (an eye for the models
// group), symbol, label, count and size, and a chevron. The viewed row is
// filled and edged in the accent and its chevron is lit. A tap on the row
// asks to view the group; a tap on the box asks to pick or drop the group
// whole. Plain values in, signals out. GUI thread only.

#include <QString>

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
  explicit DevModeRailRow(const RailRowValues& values, QWidget* parent = nullptr);

  void setValues(const RailRowValues& values);
  const RailRowValues& values() const { return values_; }
  bool isViewed() const { return values_.viewed; }
  SelectionBox* box() const { return box_; }

 Q_SIGNALS:
  // A tap on the row.
  void viewRequested();
  // A tap on the box: pick or drop the whole group.
  void pickRequested();

 protected:
  void paintBackground(QPainter& painter, const QRectF& rect) override;
  void addBackgroundKey(design::PaintKey& key) const override;

 private:
  RailRowValues values_;
  SelectionBox* box_;
  SymbolView* eye_;
  SymbolView* symbol_;
  TextLabel* label_;
  TextLabel* caption_;
  SymbolView* chevron_;
};

}  // namespace tidewell::screens
