#pragma once
// The Clean section's start page, while the Clean model is idle or
// scanning: the round "Scan My Mac" button, replaced by the scanning ring
// with its percentage while a scan runs (whoever started it), the tagline
// under it, and, once something was cleaned, the running total won back.
//
// It shows the snapshot it is given (the Clean screen hands it a new one
// whenever the model or the "totalFreedBytes" setting changes); its button
// reports scanClicked() and changes nothing else. Children: "scanButton",
// "scanRing", "tagline", "freedLine". GUI thread only.

#include <QWidget>

#include "screens/clean/rules/ScanPageRules.h"

namespace tidewell::design {
class ScanCircleButton;
}

namespace tidewell::screens {

class AccentFigure;
class PercentRing;
class TextLabel;

class ScanPage : public QWidget {
  Q_OBJECT
 public:
  explicit ScanPage(const ScanPageSnapshot& snapshot, QWidget* parent = nullptr);

  void setSnapshot(const ScanPageSnapshot& snapshot);

 Q_SIGNALS:
  void scanClicked();

 private:
  design::ScanCircleButton* start_;
  PercentRing* ring_;
  TextLabel* tagline_;
  AccentFigure* freed_;
};

}  // namespace tidewell::screens
