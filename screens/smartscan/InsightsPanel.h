#pragma once
// The sentences a finished Smart Scan leads with, one row each (the
// entry's symbol in its palette's colour, 16 wide, then the sentence on one
// line), on a rounded panel of the raised surface at 0.7 with a hairline
// edge. Rows are named "insight" (their text) with their position as key.
// GUI thread only.

#include <vector>

#include "screens/common/layout/Surface.h"
#include "screens/smartscan/SmartScanRules.h"

class QVBoxLayout;

namespace tidewell::screens {

class InsightsPanel : public Surface {
  Q_OBJECT
 public:
  explicit InsightsPanel(QWidget* parent = nullptr);

  void setInsights(const std::vector<ScanInsight>& insights);
  const std::vector<ScanInsight>& insights() const { return insights_; }

 private:
  QVBoxLayout* rows_;
  std::vector<ScanInsight> insights_;
};

}  // namespace tidewell::screens
