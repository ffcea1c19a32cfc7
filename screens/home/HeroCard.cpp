#include "screens/home/HeroCard.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/Donut.h"
#include "design/theme/Color.h"
#include "design/theme/SectionPalette.h"
#include "screens/common/Formatting.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/FittedLabel.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/home/HomeRules.h"
#include "screens/home/StatsRow.h"

namespace tidewell::screens {

namespace {

using design::FontDesign;
using design::FontWeight;
using design::Color::secondaryText;
using namespace design::literals;

TextLook wonBackLook(bool isTotal) {
  return isTotal ? textLook(13, FontWeight::Semibold, design::SectionPalette::accentGreen())
                 : textLook(13, FontWeight::Medium, secondaryText());
}

}  // namespace

HeroCard::HeroCard(QWidget* parent)
    : GlowCard({20, 26, std::nullopt, true, false}, parent),
      free_(named(new FittedLabel(QString(), {design::inter(54, FontWeight::Bold, FontDesign::Rounded),
                                              Qt::white, 0.6, true}),
                  "freeSize")),
      wonBack_(named(new TextLabel(QString(), wonBackLook(false)), "wonBack")),
      stats_(new StatsRow),
      message_(named(new TextLabel(QString(), textLook(12, FontWeight::Regular, secondaryText()).lines(0)),
                     "healthMessage")),
      donut_(named(new design::Donut(1, 190, 11), "usedDonut")),
      percent_(named(new TextLabel(QString(), textLook(30, FontWeight::Bold, Qt::white, FontDesign::Rounded)
                                                  .withMonospacedDigits()
                                                  .centred()),
                     "usedPercent")) {
  setObjectName(QStringLiteral("heroCard"));
  auto* content = new QWidget;
  auto* row = new QHBoxLayout(content);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(34);

  auto* left = new QVBoxLayout;
  left->setSpacing(14);
  auto* freeBlock = new QVBoxLayout;
  freeBlock->setSpacing(4);
  freeBlock->addWidget(new TextLabel(QStringLiteral("FREE RIGHT NOW"),
                                     textLook(11, FontWeight::Semibold, secondaryText()).tracked(1.1)));
  freeBlock->addWidget(free_);
  left->addLayout(freeBlock);
  auto* wonBackRow = new QHBoxLayout;
  wonBackRow->setSpacing(8);
  wonBackRow->addWidget(new SymbolView("arrow.up.right.circle.fill"_symbol, 15, FontWeight::Regular,
                                       design::SectionPalette::accentGreen()),
                        0, Qt::AlignVCenter);
  wonBackRow->addWidget(wonBack_, 0, Qt::AlignVCenter);
  wonBackRow->addStretch(1);
  left->addLayout(wonBackRow);
  left->addWidget(stats_, 0, Qt::AlignLeft);
  left->addWidget(message_);
  auto* leftColumn = new QWidget;
  leftColumn->setLayout(left);
  left->setContentsMargins(0, 0, 0, 0);
  row->addWidget(leftColumn, 1, Qt::AlignVCenter);

  // Sized once, so a new percentage stays centred in the ring.
  auto* centre = new QWidget;
  centre->setFixedSize(150, 70);
  auto* centreColumn = new QVBoxLayout(centre);
  centreColumn->setContentsMargins(0, 0, 0, 0);
  centreColumn->setSpacing(2);
  centreColumn->addStretch(1);
  centreColumn->addWidget(percent_, 0, Qt::AlignHCenter);
  centreColumn->addWidget(
      new TextLabel(QStringLiteral("used"), textLook(12, FontWeight::Regular, secondaryText())), 0,
      Qt::AlignHCenter);
  centreColumn->addStretch(1);
  donut_->setCenter(centre);
  donut_->setAccessibleName(QStringLiteral("used"));
  // It reads as the percentage shown in it.
  design::setAccessibleReading(donut_, [this] { return used_; });
  row->addWidget(donut_, 0, Qt::AlignVCenter);
  row->addSpacing(8);
  setContent(content);
}

void HeroCard::setHome(const HomeSnapshot& home) {
  free_->setText(bytesText(home.freeBytes));
  const WonBackLine wonBack = wonBackLine(home.totalFreedBytes);
  wonBack_->setLook(wonBackLook(wonBack.isTotal));
  wonBack_->setText(wonBack.text);
  stats_->setHome(home);
  message_->setText(home.health.message);
  used_ = usedPercentReading(home);
  donut_->setUsed(usedFraction(home));
  percent_->setText(used_.text);
  design::accessibleValueChanged(donut_);
}

}  // namespace tidewell::screens
