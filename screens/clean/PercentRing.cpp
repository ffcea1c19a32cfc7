#include "screens/clean/PercentRing.h"

#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/RingGauge.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;

namespace {
constexpr double kEasing = 0.35;
}

PercentRingLook scanningRingLook() {
  return {200, 11, 5, 16, 36, design::FontDesign::Default, QStringLiteral("scanning")};
}

PercentRingLook cleaningRingLook() { return {190, 11, 8, 20, 40, design::FontDesign::Rounded, {}}; }

PercentRing::PercentRing(const PercentRingLook& look, QWidget* parent)
    : ProgressRing(look.diameter, look.lineWidth, kEasing, parent),
      symbol_(named(new SymbolView("sparkles"_symbol, look.symbolSize, FontWeight::Semibold), "ringSymbol")),
      percent_(named(new TextLabel(QStringLiteral("0%"),
                                   textLook(look.percentSize, FontWeight::Bold, Qt::white, look.percentDesign)
                                       .withMonospacedDigits()),
                     "ringPercent")) {
  symbol_->setEffect(design::SymbolEffect::Kind::VariableColor);
  // The gauge reads as the percentage shown over it.
  shown_ = design::percentReading(0);
  design::setAccessibleReading(gauge(), [this] { return shown_; });
  if (!look.word.isEmpty()) gauge()->setAccessibleName(look.word);
  centre()->setSpacing(look.spacing);
  centre()->addWidget(symbol_, 0, Qt::AlignHCenter);
  centre()->addWidget(percent_, 0, Qt::AlignHCenter);
  if (!look.word.isEmpty())
    centre()->addWidget(
        named(new TextLabel(look.word, textLook(11.5, FontWeight::Regular, design::Color::secondaryText())),
              "ringWord"),
        0, Qt::AlignHCenter);
}

void PercentRing::showProgress(double progress, const design::GaugeReading& percent) {
  shown_ = percent;
  setProgress(progress);
  percent_->setText(shown_.text);
  design::accessibleValueChanged(gauge());
}

QString PercentRing::percent() const { return percent_->text(); }

}  // namespace tidewell::screens
