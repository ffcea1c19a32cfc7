#include "screens/advisor/AdvisorAllGoodCard.h"

#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontDesign;
using design::FontWeight;

AdvisorAllGoodCard::AdvisorAllGoodCard(QWidget* parent)
    : GlowCard({20, 28, design::Color::systemGreen(), false, false}, parent) {
  setObjectName(QStringLiteral("allGoodCard"));

  auto* inside = new QWidget;
  auto* column = new QVBoxLayout(inside);
  column->setContentsMargins(0, 24, 0, 24);
  column->setSpacing(12);
  column->addWidget(named(new SymbolView("checkmark.seal.fill"_symbol, 44, FontWeight::Regular,
                                         design::Color::systemGreen()),
                          "allGoodSymbol"),
                    0, Qt::AlignHCenter);
  column->addWidget(named(new TextLabel(QStringLiteral("You're all good"),
                                        textLook(18, FontWeight::Bold, Qt::white, FontDesign::Rounded)),
                          "allGoodTitle"),
                    0, Qt::AlignHCenter);
  column->addWidget(named(
      new TextLabel(QStringLiteral("No runtimes, dead simulators, snapshots, or Docker bloat to trim."),
                    textLook(12.5, FontWeight::Regular, design::Color::secondaryText()).lines(0).centred()),
      "allGoodText"));
  setContent(inside);
}

}  // namespace tidewell::screens
