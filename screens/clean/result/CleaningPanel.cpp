#include "screens/clean/result/CleaningPanel.h"

#include <QVBoxLayout>

#include "design/components/RingGauge.h"
#include "screens/clean/PercentRing.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

CleaningPanel::CleaningPanel(QWidget* parent)
    : QWidget(parent), ring_(named(new PercentRing(cleaningRingLook()), "cleaningRing")) {
  setObjectName(QStringLiteral("cleaningPanel"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(26);
  column->addStretch(1);
  column->addWidget(ring_, 0, Qt::AlignHCenter);
  // The gauge is named by the title under it.
  ring_->gauge()->setAccessibleName(QStringLiteral("Cleaning"));
  column->addWidget(
      named(new TextLabel(QStringLiteral("Cleaning"),
                          textLook(24, design::FontWeight::Bold, Qt::white, design::FontDesign::Rounded)),
            "cleaningTitle"),
      0, Qt::AlignHCenter);
  column->addStretch(1);
}

void CleaningPanel::showProgress(double progress, const design::GaugeReading& percent) {
  ring_->showProgress(progress, percent);
}

}  // namespace tidewell::screens
