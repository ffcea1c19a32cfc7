#pragma once
// The Deep Scan screen before its first scan: the round "Deep Scan" start
// button over one line on what the colours mean, centred. The button is
// "scanButton"; it reports scanClicked(). GUI thread only.

#include "design/paint/ShadowLayer.h"

namespace tidewell::screens {

class DeepScanStartPage : public design::ShadowHost {
  Q_OBJECT
 public:
  explicit DeepScanStartPage(QWidget* parent = nullptr);

 Q_SIGNALS:
  void scanClicked();
};

}  // namespace tidewell::screens
