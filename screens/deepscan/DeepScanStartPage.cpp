#include "screens/deepscan/DeepScanStartPage.h"

#include <QVBoxLayout>

#include "design/components/ScanCircleButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;

DeepScanStartPage::DeepScanStartPage(QWidget* parent) : ShadowHost(parent) {
  named(this, "deepScanStart");
  auto* button =
      named(new design::ScanCircleButton("scope"_symbol, QStringLiteral("Deep Scan"), this), "scanButton");
  connect(button, &QAbstractButton::clicked, this, &DeepScanStartPage::scanClicked);
  auto* caption =
      named(new TextLabel(QStringLiteral("Finds what's actually big. Green is safe, red is your stuff."),
                          textStyle(13, design::FontWeight::Regular, design::Color::secondaryText()), this),
            "startCaption");

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(26);
  column->addStretch(1);
  column->addWidget(button, 0, Qt::AlignHCenter);
  column->addWidget(caption, 0, Qt::AlignHCenter);
  column->addStretch(1);
}

}  // namespace tidewell::screens
