#pragma once
// The ring of a running scan or cleaning: a ProgressRing easing over
// 0.35 s, with, over its centre, the "sparkles" symbol in the accent
// running the iterative variable-colour effect, the percentage in white
// with monospaced digits, and, for the scan, a quiet word under it, which
// names the gauge. Children: "ringSymbol", "ringPercent", "ringWord". GUI
// thread only.

#include <QString>

#include "design/accessibility/AccessibleTraits.h"
#include "design/type/FontWeight.h"
#include "screens/clean/ProgressRing.h"

namespace tidewell::screens {

class SymbolView;
class TextLabel;

struct PercentRingLook {
  double diameter = 200;
  double lineWidth = 11;
  int spacing = 5;
  double symbolSize = 16;
  double percentSize = 36;
  design::FontDesign percentDesign = design::FontDesign::Default;
  QString word;  // none when empty
};

// The scanning ring of the start page and the cleaning ring of the result screen.
PercentRingLook scanningRingLook();
PercentRingLook cleaningRingLook();

class PercentRing : public ProgressRing {
  Q_OBJECT
 public:
  explicit PercentRing(const PercentRingLook& look, QWidget* parent = nullptr);

  // Eases the ring to progress and shows percent, which the gauge reads as
  // (not the eased progress of the moment).
  void showProgress(double progress, const design::GaugeReading& percent);
  QString percent() const;
  SymbolView* symbolView() const { return symbol_; }

 private:
  SymbolView* symbol_;
  TextLabel* percent_;
  design::GaugeReading shown_;
};

}  // namespace tidewell::screens
