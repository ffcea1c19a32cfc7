#include "screens/deepscan/DeepScanListPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/components/ScreenHeader.h"
#include "design/paint/ShadowLayer.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/HairlineRule.h"
#include "screens/deepscan/BucketColumn.h"
#include "screens/deepscan/BucketDetailPane.h"
#include "screens/deepscan/DeepScanEmptyState.h"
#include "screens/deepscan/DeepScanRules.h"
#include "screens/deepscan/RiskBucketContents.h"

namespace tidewell::screens {

namespace {
int64_t totalOf(const std::vector<engine::BigItem>& items) { return summaryOf(items).bytes; }

void retire(QWidget*& widget) {
  if (!widget) return;
  widget->hide();
  widget->deleteLater();
  widget = nullptr;
}
}  // namespace

DeepScanListPage::DeepScanListPage(std::shared_ptr<platform::Clipboard> clipboard, DelayedCall copyDelay,
                                   QWidget* parent)
    : QWidget(parent), clipboard_(std::move(clipboard)), copyDelay_(std::move(copyDelay)) {
  named(this, "deepScanList");
  header_ = named(new design::ScreenHeader(QStringLiteral("Deep Scan"), deepScanSubtitle(0, 0), this),
                  "screenHeader");
  auto* rescan =
      named(new design::GhostPillButton({QStringLiteral("Rescan"), std::nullopt}, this), "rescanButton");
  connect(rescan, &QAbstractButton::clicked, this, &DeepScanListPage::rescanClicked);

  auto* headerRow = new QHBoxLayout;
  headerRow->setContentsMargins(28, 24, 28, 16);
  headerRow->setSpacing(12);
  headerRow->addWidget(header_, 1, Qt::AlignVCenter);
  headerRow->addSpacing(12);
  headerRow->addWidget(rescan, 0, Qt::AlignVCenter);

  body_ = new QVBoxLayout;
  body_->setContentsMargins(0, 0, 0, 0);
  body_->setSpacing(0);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addLayout(headerRow);
  column->addLayout(body_, 1);
}

void DeepScanListPage::setValues(const DeepScanListValues& values) {
  header_->setSubtitle(deepScanSubtitle(int64_t(values.items.size()), totalOf(values.items)));
  if (values.items.empty()) {
    if (empty_) return;
    clearBody();
    auto* holder = new design::ShadowHost(this);
    auto* box = new QVBoxLayout(holder);
    box->setContentsMargins(28, 28, 28, 28);
    box->addWidget(new DeepScanEmptyState(holder));
    box->addStretch(1);
    empty_ = holder;
    body_->addWidget(empty_, 1);
    return;
  }
  if (!split_) {
    clearBody();
    split_ = new QWidget(this);
    auto* row = new QHBoxLayout(split_);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    column_ = new BucketColumn(split_);
    detail_ = new BucketDetailPane(clipboard_, copyDelay_, split_);
    connect(column_, &BucketColumn::picked, this, &DeepScanListPage::bucketPicked);
    connect(detail_, &BucketDetailPane::revealRequested, this, &DeepScanListPage::revealRequested);
    connect(detail_, &BucketDetailPane::trashRequested, this, &DeepScanListPage::trashRequested);
    connect(detail_, &BucketDetailPane::resultDismissed, this, &DeepScanListPage::resultDismissed);
    row->addWidget(column_);
    row->addWidget(named(new HairlineRule(Qt::Vertical, 0, split_), "bucketDivider"));
    row->addWidget(detail_, 1);
    body_->addWidget(split_, 1);
  }
  showSplit(values);
}

void DeepScanListPage::showSplit(const DeepScanListValues& values) {
  const auto shown = shownBucket(values.items, values.viewing);
  std::vector<RiskRowValues> rows;
  for (RiskBucket bucket : visibleBuckets(values.items)) {
    const BucketSummary summary = summaryOf(itemsIn(values.items, bucket));
    rows.push_back({bucket, summary.count, summary.bytes, shown == bucket});
  }
  column_->setRows(rows);
  // While there are items a bucket is always shown.
  if (shown) detail_->setBucket(*shown, itemsIn(values.items, *shown), values.lastResult);
}

void DeepScanListPage::clearBody() {
  if (split_) {
    body_->removeWidget(split_);
    column_ = nullptr;
    detail_ = nullptr;
  }
  if (empty_) body_->removeWidget(empty_);
  retire(split_);
  retire(empty_);
}

}  // namespace tidewell::screens
