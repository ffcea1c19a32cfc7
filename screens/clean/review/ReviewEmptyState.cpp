#include "screens/clean/review/ReviewEmptyState.h"

#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;

ReviewEmptyState::ReviewEmptyState(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("reviewEmpty"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(14);
  column->addStretch(1);
  column->addWidget(new SymbolView("checkmark.seal.fill"_symbol, 48, FontWeight::Regular), 0,
                    Qt::AlignHCenter);
  column->addWidget(
      named(new TextLabel(QStringLiteral("Nothing to clean"),
                          textLook(22, FontWeight::Bold, Qt::white, design::FontDesign::Rounded)),
            "emptyTitle"),
      0, Qt::AlignHCenter);
  column->addWidget(named(new TextLabel(QStringLiteral("Zero junk found. Your Mac's already tidy."),
                                        textLook(13, FontWeight::Regular, design::Color::secondaryText())),
                          "emptyMessage"),
                    0, Qt::AlignHCenter);
  auto* again =
      named(new design::GhostPillButton({QStringLiteral("Scan Again"), std::nullopt}), "scanAgainButton");
  column->addSpacing(4);
  column->addWidget(again, 0, Qt::AlignHCenter);
  column->addStretch(1);
  connect(again, &QAbstractButton::clicked, this, &ReviewEmptyState::scanAgainRequested);
}

}  // namespace tidewell::screens
