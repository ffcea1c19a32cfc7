#include "screens/advisor/AdvisorFindingCard.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/theme/Color.h"
#include "design/theme/SectionAccent.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/Surface.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;

AdvisorFindingCard::AdvisorFindingCard(AdvisorCard kind, const AdvisorCardHeader& header, QWidget* content,
                                       QWidget* parent)
    : GlowCard({20, 20, std::nullopt, false, false}, parent), kind_(kind), body_(content) {
  setObjectName(QStringLiteral("findingCard"));
  setKey(this, QString::number(int(kind)));

  auto* inside = new QWidget;
  auto* column = new QVBoxLayout(inside);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(14);

  auto* head = new QHBoxLayout;
  head->setSpacing(12);
  auto* tile = named(new Surface(SurfaceLook{12}), "cardIcon");
  tile->setFixedSize(40, 40);
  design::setHiddenFromAccessibility(tile);
  auto* tileBox = new QHBoxLayout(tile);
  tileBox->setContentsMargins(0, 0, 0, 0);
  symbol_ = new SymbolView(header.symbol, 17, FontWeight::Semibold);
  tileBox->addWidget(symbol_, 0, Qt::AlignCenter);
  head->addWidget(tile, 0, Qt::AlignTop);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(4);
  title_ =
      named(new TextLabel({}, textLook(15, FontWeight::Bold, Qt::white, FontDesign::Rounded)), "cardTitle");
  blurb_ =
      named(new TextLabel({}, textLook(12, FontWeight::Regular, design::Color::secondaryText()).lines(0)),
            "cardBlurb");
  texts->addWidget(title_);
  texts->addWidget(blurb_);
  head->addLayout(texts, 1);
  head->addSpacing(8 + head->spacing());
  size_ =
      named(new TextLabel(
                {}, textLook(15, FontWeight::Bold, Qt::white, FontDesign::Rounded).withMonospacedDigits()),
            "cardSize");
  head->addWidget(size_, 0, Qt::AlignTop);
  column->addLayout(head);
  if (body_) column->addWidget(body_);

  setContent(inside);
  setHeader(header);
}

void AdvisorFindingCard::setHeader(const AdvisorCardHeader& header) {
  symbol_->setSymbol(header.symbol);
  title_->setText(header.title);
  blurb_->setText(header.blurb);
  size_->setText(header.size.value_or(QString()));
  size_->setVisible(header.size.has_value());
}

void AdvisorFindingCard::showEvent(QShowEvent* event) {
  // The accent is the section's, known once the card is in the screen.
  size_->setColour(design::SectionAccent::of(this).primary);
  GlowCard::showEvent(event);
}

}  // namespace tidewell::screens
