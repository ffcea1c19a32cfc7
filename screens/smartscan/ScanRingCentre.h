#pragma once
// What stands in the middle of the Smart Scan ring. While a run is under
// way: the current tool's symbol, pulsing, over the overall percentage
// ("ringSymbol", "ringPercent"). Once it is done: the bytes found counting
// up (on from the shown count when the total changes), over "found"
// ("ringFound", "ringCaption"), or, when nothing was found, a seal over
// "all clear" ("ringAllClear", "ringCaption"). Shows plain values; GUI
// thread only.

#include <QWidget>
#include <optional>

#include "screens/smartscan/SmartScanSnapshot.h"

class QVBoxLayout;

namespace tidewell::design {
class CountUpBytes;
}

namespace tidewell::screens {

class TextLabel;

class ScanRingCentre : public QWidget {
  Q_OBJECT
 public:
  explicit ScanRingCentre(QWidget* parent = nullptr);

  void setScan(const SmartScanSnapshot& scan);

 private:
  // What the centre is showing; a change of it rebuilds the centre. A
  // changed total found is counted to by the count already there.
  struct Form {
    bool done = false;
    std::optional<int> tool;  // running: the current tool
    bool found = false;       // done: something was found
    bool operator==(const Form&) const = default;
  };
  void build(const Form& form, int64_t found);

  QVBoxLayout* column_;
  std::optional<Form> form_;
  TextLabel* percent_ = nullptr;
  design::CountUpBytes* count_ = nullptr;
};

}  // namespace tidewell::screens
