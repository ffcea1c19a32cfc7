#pragma once
// The two lines under the Smart Scan ring: while running, the step's
// headline (17 semibold) over the controller's status line (10.5, one
// line); once done, "All scanned." or "Scan stopped" (20 bold) over the
// reassurance that nothing is deleted yet (12.5). Children "headline" and
// "statusLine". GUI thread only.

#include <QWidget>

#include "screens/smartscan/SmartScanSnapshot.h"

namespace tidewell::screens {

class TextLabel;

class ScanHeadline : public QWidget {
  Q_OBJECT
 public:
  explicit ScanHeadline(QWidget* parent = nullptr);

  void setScan(const SmartScanSnapshot& scan);

 private:
  TextLabel* headline_;
  TextLabel* statusLine_;
};

}  // namespace tidewell::screens
