#pragma once
// The result screen while the cleanup runs: the cleaning ring with the
// percentage cleaned and the title "Cleaning". objectName "cleaningPanel";
// children "cleaningRing" (with "ringPercent"), "cleaningTitle". GUI
// thread only.

#include <QWidget>

#include "design/accessibility/AccessibleTraits.h"

namespace tidewell::screens {

class PercentRing;

class CleaningPanel : public QWidget {
  Q_OBJECT
 public:
  explicit CleaningPanel(QWidget* parent = nullptr);

  // Eases the ring to progress and shows percent.
  void showProgress(double progress, const design::GaugeReading& percent);
  PercentRing* ring() const { return ring_; }

 private:
  PercentRing* ring_;
};

}  // namespace tidewell::screens
