#pragma once
// One line of the Deep Scan bucket column: the bucket's round badge, its
// title over the "count · size" line, and a chevron. A click anywhere on
// it reports viewRequested(); it never reads a model. Named "riskRow", keyed
// by the bucket's raw value; its texts are "riskRowTitle" and
// "riskRowCount". GUI thread only.

#include "screens/common/layout/Surface.h"
#include "screens/deepscan/RiskBucket.h"

namespace tidewell::screens {

class SymbolView;
class TextLabel;

struct RiskRowValues {
  RiskBucket bucket = RiskBucket::other;
  int64_t count = 0;
  int64_t bytes = 0;
  bool isViewing = false;  // the screen shows this bucket's detail
  bool operator==(const RiskRowValues&) const = default;
};

// The row's fill and border: tinted while viewed, a faint white while
// hovered, else clear.
SurfaceLook riskRowLook(const RiskRowValues& values, bool hovering);

class RiskRow : public Surface {
  Q_OBJECT
 public:
  explicit RiskRow(RiskRowValues values, QWidget* parent = nullptr);

  const RiskRowValues& values() const { return values_; }
  // New counts or a new viewed state for the same bucket.
  void setValues(const RiskRowValues& values);

 Q_SIGNALS:
  void viewRequested();

 protected:
  // Only the rounded shape takes the click, not the corners outside it.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void restyle();

  RiskRowValues values_;
  TextLabel* count_;
  SymbolView* chevron_;
};

}  // namespace tidewell::screens
