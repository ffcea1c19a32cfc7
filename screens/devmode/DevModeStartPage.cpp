#include "screens/devmode/DevModeStartPage.h"

#include <QVBoxLayout>

#include "design/components/ScanCircleButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/WidthCap.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;

DevModeStartPage::DevModeStartPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("idleView"));
  auto* scan = named(new design::ScanCircleButton("hammer.fill"_symbol, QStringLiteral("Scan Dev & AI")),
                     "scanButton");
  connect(scan, &QAbstractButton::clicked, this, &DevModeStartPage::scanClicked);
  auto* headline =
      named(new TextLabel(QStringLiteral("Dev tools and AI apps quietly hoard tens of gigabytes."),
                          textStyle(14, FontWeight::Semibold)),
            "idleHeadline");
  auto* blurb =
      named(new TextLabel(
                QStringLiteral("Every build, install and prompt leaves artifacts behind. Tidewell Mac clears "
                               "only what your tools can rebuild on their own."),
                textStyle(12.5, FontWeight::Regular, design::Color::secondaryText()).lines(0).centred()),
            "idleBlurb");

  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(6);
  texts->addWidget(headline, 0, Qt::AlignHCenter);
  texts->addWidget(new WidthCap(blurb, 420, Qt::AlignHCenter));

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(24);
  column->addStretch(1);
  column->addWidget(scan, 0, Qt::AlignHCenter);
  column->addLayout(texts);
  column->addStretch(1);
}

}  // namespace tidewell::screens
