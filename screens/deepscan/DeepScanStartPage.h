#pragma once
// The Deep Scan screen before its first scan: the round "Deep Scan" start
// button over one line on what the colours mean, centred. The button is
// "scanButton". GUI thread only.

#include <functional>

#include "design/ShadowLayer.h"

namespace tidewell::screens {

class DeepScanStartPage : public design::ShadowHost {
  Q_OBJECT
 public:
  explicit DeepScanStartPage(std::function<void()> startScan, QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
