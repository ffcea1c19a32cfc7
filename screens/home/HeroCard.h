#pragma once
// Home's first card: the free space right now ("freeSize"), the bytes won
// back so far or the invitation to a first scan ("wonBack"), the stats
// row, the health level's advice ("healthMessage"), and the donut of the
// used share with its percentage ("usedPercent") at the trailing side.
// Shows plain values; GUI thread only.

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/GlowCard.h"
#include "screens/home/HomeSnapshot.h"

namespace tidewell::design {
class Donut;
}

namespace tidewell::screens {

class FittedLabel;
class StatsRow;
class SymbolView;
class TextLabel;

class HeroCard : public design::GlowCard {
  Q_OBJECT
 public:
  explicit HeroCard(QWidget* parent = nullptr);

  void setHome(const HomeSnapshot& home);

 private:
  FittedLabel* free_;
  TextLabel* wonBack_;
  StatsRow* stats_;
  TextLabel* message_;
  design::Donut* donut_;
  TextLabel* percent_;
  // What the donut shows in its centre and reads as.
  design::GaugeReading used_;
};

}  // namespace tidewell::screens
