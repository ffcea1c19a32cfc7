#pragma once
// The hero card's figures: "Used" and "Total", and, while the Clean
// model's review holds something, "Ready to review" in green, split by
// 1 x 30 hairline rules, on a rounded strip of the raised surface at 0.6.
// Each value is named after its column ("usedValue", "totalValue",
// "readyValue"). Shows plain values; GUI thread only.

#include "screens/common/layout/Surface.h"
#include "screens/home/HomeSnapshot.h"

namespace tidewell::screens {

class TextLabel;

class StatsRow : public Surface {
  Q_OBJECT
 public:
  explicit StatsRow(QWidget* parent = nullptr);

  void setHome(const HomeSnapshot& home);

 private:
  TextLabel* used_;
  TextLabel* total_;
  QWidget* readyRule_;
  QWidget* ready_;
  TextLabel* readyValue_;
};

}  // namespace tidewell::screens
