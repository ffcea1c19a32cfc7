#include "models/clean/CleanupViewModel.h"

#include <qcoro/qcorofuture.h>

#include <utility>

#include "models/clean/CleanupRunner.h"
#include "models/clean/ItemSelection.h"

namespace tidewell::models {

using engine::CleanupCategory;
using engine::CleanupItem;
using engine::CleanupTarget;

namespace {

ItemSelection::Filter inCategory(CleanupCategory category) {
  return [category](const CleanupItem& item) { return item.target.category == category; };
}

}  // namespace

CleanupViewModel::CleanupViewModel(ModelServices services, std::shared_ptr<const CleanupEngine> engine)
    : services_(std::move(services)), engine_(std::move(engine)) {
  freeSpaceBefore_ = engine_->availableBytes();
}

QCoro::Task<> CleanupViewModel::scan() {
  if (busy()) co_return;
  auto keep = keepAlive();
  publish(this, phase_, Phase::scanning, &CleanupViewModel::phaseChanged);
  publish(this, scanProgress_, 0.0, &CleanupViewModel::scanProgressChanged);
  publish(this, items_, std::vector<CleanupItem>{}, &CleanupViewModel::itemsChanged);
  publish(this, freeSpaceBefore_, engine_->availableBytes(), &CleanupViewModel::freeSpaceBeforeChanged);

  auto engine = engine_;
  // The catalog, then the artefact rows. (Awaited values are named locals
  // throughout: g++ 12 may destroy temporaries of a co_await expression
  // twice.)
  QFuture<std::vector<CleanupTarget>> listing = services_.executor->run([engine] {
    std::vector<CleanupTarget> rows = engine->catalog();
    std::vector<CleanupTarget> artifacts = engine->findBuildArtifacts();
    rows.insert(rows.end(), std::make_move_iterator(artifacts.begin()),
                std::make_move_iterator(artifacts.end()));
    return rows;
  });
  std::vector<CleanupTarget> listed = co_await listing;
  auto targets = std::make_shared<const std::vector<CleanupTarget>>(std::move(listed));

  const double count = static_cast<double>(targets->size());
  CleanupRunner::Measured progress = [this, targets, count](std::size_t finished,
                                                            std::optional<std::size_t> next) {
    publish(this, scanProgress_, static_cast<double>(finished) / count,
            &CleanupViewModel::scanProgressChanged);
    // Names the row whose measuring just began, not the one just done.
    if (next)
      publish(this, currentTarget_, std::optional((*targets)[*next].title),
              &CleanupViewModel::currentTargetChanged);
  };
  QCoro::Task<std::vector<CleanupItem>> measuring =
      CleanupRunner::measure(this, services_.executor, engine, targets, progress);
  std::vector<CleanupItem> found = co_await measuring;

  publish(this, currentTarget_, std::optional<std::string>{}, &CleanupViewModel::currentTargetChanged);
  publish(this, items_, std::move(found), &CleanupViewModel::itemsChanged);
  publish(this, phase_, Phase::review, &CleanupViewModel::phaseChanged);
}

QCoro::Task<> CleanupViewModel::clean() {
  // Only from review: a second call while cleaning, or after done, would
  // clean the same items again and count their old sizes twice.
  if (phase_ != Phase::review) co_return;
  std::vector<CleanupItem> chosen = selectedItems();
  if (chosen.empty()) co_return;
  auto keep = keepAlive();
  const double count = static_cast<double>(chosen.size());
  publish(this, phase_, Phase::cleaning, &CleanupViewModel::phaseChanged);
  publish(this, cleanProgress_, 0.0, &CleanupViewModel::cleanProgressChanged);
  publish(this, freeSpaceBefore_, engine_->availableBytes(), &CleanupViewModel::freeSpaceBeforeChanged);

  CleanupRunner::Cleaned progress = [this, count](std::size_t done) {
    publish(this, cleanProgress_, static_cast<double>(done) / count, &CleanupViewModel::cleanProgressChanged);
  };
  QCoro::Task<CleanupRunner::Outcome> cleaning =
      CleanupRunner::clean(services_.executor, engine_, std::move(chosen), progress);
  CleanupRunner::Outcome outcome = co_await cleaning;

  publish(this, freedBytes_, outcome.freedBytes, &CleanupViewModel::freedBytesChanged);
  publish(this, failedTitles_, std::move(outcome.failedTitles), &CleanupViewModel::failedTitlesChanged);
  publish(this, freeSpaceAfter_, engine_->availableBytes(), &CleanupViewModel::freeSpaceAfterChanged);
  // Written even when nothing was freed.
  services_.settings->addFreedBytes(outcome.freedBytes);
  services_.settings->setLastCleanupAt(services_.clock.secondsSince1970());
  publish(this, phase_, Phase::done, &CleanupViewModel::phaseChanged);
}

void CleanupViewModel::reset() {
  // A running scan or cleaning still owns the fields.
  if (busy()) return;
  publish(this, items_, std::vector<CleanupItem>{}, &CleanupViewModel::itemsChanged);
  publish(this, scanProgress_, 0.0, &CleanupViewModel::scanProgressChanged);
  publish(this, cleanProgress_, 0.0, &CleanupViewModel::cleanProgressChanged);
  publish(this, freedBytes_, int64_t{0}, &CleanupViewModel::freedBytesChanged);
  publish(this, failedTitles_, std::vector<std::string>{}, &CleanupViewModel::failedTitlesChanged);
  publish(this, freeSpaceBefore_, engine_->availableBytes(), &CleanupViewModel::freeSpaceBeforeChanged);
  publish(this, phase_, Phase::idle, &CleanupViewModel::phaseChanged);
}

std::vector<CleanupItem> CleanupViewModel::selectedItems() const { return ItemSelection::selected(items_); }

int64_t CleanupViewModel::totalBytes() const { return ItemSelection::bytes(items_); }

int64_t CleanupViewModel::selectedBytes() const { return ItemSelection::selectedBytes(items_); }

std::vector<CleanupItem> CleanupViewModel::items(CleanupCategory category) const {
  std::vector<CleanupItem> found;
  for (const auto& item : items_)
    if (item.target.category == category) found.push_back(item);
  return found;
}

std::vector<CleanupCategory> CleanupViewModel::categories() const {
  std::vector<CleanupCategory> present;
  for (CleanupCategory category : engine::allCleanupCategories) {
    for (const auto& item : items_) {
      if (item.target.category == category) {
        present.push_back(category);
        break;
      }
    }
  }
  return present;
}

std::size_t CleanupViewModel::selectedCount(CleanupCategory category) const {
  return ItemSelection::selectedCount(items_, inCategory(category));
}

int64_t CleanupViewModel::bytes(CleanupCategory category) const {
  return ItemSelection::bytes(items_, inCategory(category));
}

bool CleanupViewModel::isSelected(std::string_view id) const { return ItemSelection::isSelected(items_, id); }

void CleanupViewModel::setSelected(std::string_view id, bool selected) {
  publishSelection(ItemSelection::setSelected(items_, id, selected));
}

void CleanupViewModel::selectAll(bool selected) { publishSelection(ItemSelection::setAll(items_, selected)); }

void CleanupViewModel::setSelected(bool selected, CleanupCategory category) {
  publishSelection(ItemSelection::setAll(items_, selected, inCategory(category)));
}

void CleanupViewModel::selectSafeOnly() { publishSelection(ItemSelection::selectSafeOnly(items_)); }

void CleanupViewModel::selectSafeOnly(CleanupCategory category) {
  publishSelection(ItemSelection::selectSafeOnly(items_, inCategory(category)));
}

void CleanupViewModel::publishSelection(bool wrote) {
  if (!wrote) return;
  emit itemsChanged();
  emit changed();
}

}  // namespace tidewell::models
