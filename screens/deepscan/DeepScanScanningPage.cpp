#include "screens/deepscan/DeepScanScanningPage.h"

#include <QVBoxLayout>

#include "design/components/ScreenHeader.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/ProgressBar.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontWeight;
using namespace design::literals;

DeepScanScanningPage::DeepScanScanningPage(double progress, QWidget* parent) : QWidget(parent) {
  named(this, "deepScanScanning");
  auto* header = named(new design::ScreenHeader(QStringLiteral("Deep Scan"),
                                                QStringLiteral("Looking through your home folder"), this),
                       "screenHeader");
  // Symbol and bar take the section accent's primary from the tree.
  auto* symbol =
      named(new SymbolView("scope"_symbol, 46, FontWeight::Light, std::nullopt, this), "scanSymbol");
  symbol->pulse();
  auto* title =
      named(new TextLabel(QStringLiteral("Hunting for big items\u2026"),
                          textLook(17, FontWeight::Bold, Qt::white, design::FontDesign::Rounded), this),
            "scanTitle");
  auto* detail = named(new TextLabel(QStringLiteral("Sizing everything up\u2026"),
                                     textLook(12, FontWeight::Regular, design::Color::secondaryText()), this),
                       "scanDetail");
  progress_ = named(new ProgressBar(progress, 260, std::nullopt, this), "scanProgress");

  auto* centre = new QVBoxLayout;
  centre->setContentsMargins(0, 0, 0, 0);
  centre->setSpacing(14);
  centre->addWidget(symbol, 0, Qt::AlignHCenter);
  centre->addWidget(title, 0, Qt::AlignHCenter);
  centre->addWidget(detail, 0, Qt::AlignHCenter);
  centre->addWidget(progress_, 0, Qt::AlignHCenter);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(20);
  column->addWidget(header);
  column->addStretch(1);
  column->addLayout(centre);
  column->addStretch(1);
}

void DeepScanScanningPage::setProgress(double progress) { progress_->setValue(progress); }

}  // namespace tidewell::screens
