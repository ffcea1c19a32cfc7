#include "screens/deepscan/BucketDetailPane.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/AdaptiveGrid.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/MessageBanner.h"
#include "screens/common/views/TextLabel.h"
#include "screens/deepscan/DeepScanRules.h"
#include "screens/deepscan/RiskBucketContents.h"
#include "screens/deepscan/TintedTile.h"

namespace tidewell::screens {

using design::FontWeight;

namespace {
TintedTileLook dotLook(RiskBucket bucket) {
  TintedTileLook look;
  look.side = 8;
  look.cornerRadius = 4;
  look.fill = tint(bucket);
  return look;
}

BannerLook bannerLook(const TrashBannerContent& content) {
  BannerLook look;
  look.card = {16, 14, content.glow, false, false};
  look.spacing = 10;
  look.symbol = content.symbol;
  look.symbolColour = content.glow;
  look.message = textLook(12).lines(2);
  return look;
}
}  // namespace

BucketDetailPane::BucketDetailPane(std::shared_ptr<platform::Clipboard> clipboard, DelayedCall copyDelay,
                                   QWidget* parent)
    : QWidget(parent), clipboard_(std::move(clipboard)), copyDelay_(std::move(copyDelay)) {
  named(this, "detailPane");

  dot_ = named(new TintedTile(dotLook(RiskBucket::safe), this), "detailDot");
  title_ = named(new TextLabel({}, textLook(14, FontWeight::Semibold), this), "detailTitle");
  count_ =
      named(new TextLabel(
                {}, textLook(11.5, FontWeight::Regular, design::Color::tertiaryText()).withMonospacedDigits(),
                this),
            "detailCount");
  description_ = named(
      new TextLabel({}, textLook(11.5, FontWeight::Regular, design::Color::secondaryText()).lines(0), this),
      "detailDescription");

  auto* heading = new QHBoxLayout;
  heading->setContentsMargins(22, 18, 22, 0);
  heading->setSpacing(8);
  heading->addWidget(dot_, 0, Qt::AlignVCenter);
  heading->addWidget(title_, 0, Qt::AlignVCenter);
  heading->addWidget(count_, 0, Qt::AlignVCenter);
  heading->addStretch(1);

  auto* descriptionRow = new QHBoxLayout;
  descriptionRow->setContentsMargins(22, 3, 22, 0);
  descriptionRow->addWidget(description_);

  // No banner, no gap: the top margin belongs to the banner.
  banner_ = new MessageBanner(BannerLook{}, {22, 10, 22, 0}, this);
  connect(banner_, &MessageBanner::dismissed, this, &BucketDetailPane::resultDismissed);

  auto* scroll = named(new ScrollColumn(this), "bucketScroll");
  scroll->column()->setContentsMargins(22, 14, 22, 16);
  grid_ = named(new AdaptiveGrid({240, 12, 12, Qt::AlignVCenter}, scroll->content()), "bucketGrid");
  scroll->column()->addWidget(grid_);
  scroll->column()->addStretch(1);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addLayout(heading);
  column->addLayout(descriptionRow);
  column->addWidget(banner_);
  column->addWidget(scroll, 1);
}

void BucketDetailPane::setBucket(RiskBucket bucket, const std::vector<engine::BigItem>& items,
                                 const std::optional<engine::BigItemScanner::TrashOutcome>& lastResult) {
  if (bucket_ != bucket) {
    bucket_ = bucket;
    dot_->setLook(dotLook(bucket));
    title_->setText(title(bucket));
    description_->setText(description(bucket));
  }
  const BucketSummary summary = summaryOf(items);
  count_->setText(countAndSizeLine(summary.count, summary.bytes));
  showBanner(lastResult);

  const QList<BigItemCard*> cards = cards_.sync(
      items, [](const engine::BigItem& item) { return item.id; },
      [&](const engine::BigItem& item) {
        auto* card = new BigItemCard(item, clipboard_, copyDelay_, grid_);
        connect(card, &BigItemCard::revealRequested, this,
                [this, card] { report(card, &BucketDetailPane::revealRequested); });
        connect(card, &BigItemCard::trashRequested, this,
                [this, card] { report(card, &BucketDetailPane::trashRequested); });
        return card;
      },
      [](BigItemCard*, const engine::BigItem&) {});
  shownItems_.clear();
  for (qsizetype i = 0; i < cards.size(); ++i)
    shownItems_.emplace(cards[i], items[static_cast<std::size_t>(i)]);
  grid_->setCells(QList<QWidget*>(cards.begin(), cards.end()));
}

void BucketDetailPane::report(const BigItemCard* card,
                              void (BucketDetailPane::*signal)(const engine::BigItem&)) {
  const auto found = shownItems_.find(card);
  if (found == shownItems_.end()) return;
  // A copy: the request may lead to the card's removal.
  const engine::BigItem item = found->second;
  Q_EMIT(this->*signal)(item);
}

void BucketDetailPane::showBanner(const std::optional<engine::BigItemScanner::TrashOutcome>& lastResult) {
  if (!lastResult) {
    banner_->setMessage(std::nullopt);
    return;
  }
  const TrashBannerContent content = trashBannerContent(*lastResult);
  banner_->setMessage(bannerLook(content), std::nullopt, content.message);
}

}  // namespace tidewell::screens
