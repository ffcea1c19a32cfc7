#include "screens/smartscan/ScanDoneBlock.h"

#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>

#include "design/accessibility/AccessibleTraits.h"
#include "design/components/GhostPillButton.h"
#include "design/components/PillButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/WidthCap.h"
#include "screens/smartscan/InsightsPanel.h"

namespace tidewell::screens {

using namespace design::literals;

ScanDoneBlock::ScanDoneBlock(QWidget* parent)
    : QWidget(parent),
      insights_(new InsightsPanel),
      insightsCap_(new WidthCap(insights_, 480, Qt::AlignHCenter)),
      home_(
          named(new design::GhostPillButton({QStringLiteral("Home"), "chevron.left"_symbol}), "homeButton")),
      reviewButton_(named(
          new design::PillButton({QString(), std::nullopt, design::TrailingSymbol{"arrow.right"_symbol}},
                                 {std::nullopt, design::Color::pillText(), 13, 18, 11}),
          "reviewButton")) {
  setObjectName(QStringLiteral("doneBlock"));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(14);
  column->addWidget(insightsCap_);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(10);
  buttons->addStretch(1);
  buttons->addWidget(home_);
  buttons->addWidget(reviewButton_);
  buttons->addStretch(1);
  column->addLayout(buttons);
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::AlertMessage;
  traits.name = [this] { return headline_; };
  traits.description = [this] { return found_; };
  connect(home_, &QAbstractButton::clicked, this, &ScanDoneBlock::homeClicked);
  connect(reviewButton_, &QAbstractButton::clicked, this, [this] {
    if (review_) Q_EMIT reviewClicked(review_->tool);
  });
}

void ScanDoneBlock::setScan(const SmartScanSnapshot& scan) {
  headline_ = scanHeadline(scan);
  found_ = foundSummary(scan);
  const std::vector<ScanInsight> insights = scanInsights(scan);
  insights_->setInsights(insights);
  insightsCap_->setVisible(!insights.empty());
  review_ = reviewAction(scan);
  reviewButton_->setVisible(review_.has_value());
  if (review_)
    reviewButton_->setLabel({review_->title, std::nullopt, design::TrailingSymbol{"arrow.right"_symbol}});
}

void ScanDoneBlock::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window coming back from the Dock is not news.
  if (!event->spontaneous()) design::accessibleAlertShown(this);
}

}  // namespace tidewell::screens
