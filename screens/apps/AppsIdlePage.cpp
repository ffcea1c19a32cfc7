#include "screens/apps/AppsIdlePage.h"

#include <QVBoxLayout>

#include "design/components/ScanCircleButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;

AppsIdlePage::AppsIdlePage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("appsIdle"));
  auto* button = named(
      new design::ScanCircleButton("square.grid.2x2.fill"_symbol, QStringLiteral("Scan Apps")), "scanButton");
  connect(button, &QAbstractButton::clicked, this, &AppsIdlePage::scanClicked);
  auto* line = named(
      new TextLabel(
          QStringLiteral("Find apps you never open. Trash first, undo anytime."),
          textStyle(13, design::FontWeight::Regular, design::Color::secondaryText()).lines(0).centred()),
      "idleLine");

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(26);
  column->addStretch(1);
  column->addWidget(button, 0, Qt::AlignHCenter);
  column->addWidget(line, 0, Qt::AlignHCenter);
  column->addStretch(1);
}

}  // namespace tidewell::screens
