#pragma once
// What stands in the middle of the Smart Scan ring. While a run is under
// way: the current tool's symbol, pulsing, over the overall percentage
// ("ringSymbol", "ringPercent"). Once it is done: the bytes found counting
// up, over "found" ("ringFound", "ringCaption"), or, when nothing was
// found, a seal over "all clear" ("ringAllClear", "ringCaption"). Shows
// plain values; GUI thread only.

#include <QWidget>
#include <optional>

#include "screens/smartscan/SmartScanSnapshot.h"

class QVBoxLayout;

namespace tidewell::screens {

class TextLabel;

class ScanRingCentre : public QWidget {
  Q_OBJECT
 public:
  explicit ScanRingCentre(QWidget* parent = nullptr);

  void setScan(const SmartScanSnapshot& scan);

 private:
  // What the centre is showing; a change of it rebuilds the centre.
  struct Form {
    bool done = false;
    std::optional<int> tool;  // running: the current tool
    int64_t found = 0;        // done: the bytes found
    bool operator==(const Form&) const = default;
  };
  void build(const Form& form);

  QVBoxLayout* column_;
  std::optional<Form> form_;
  TextLabel* percent_ = nullptr;
};

}  // namespace tidewell::screens
