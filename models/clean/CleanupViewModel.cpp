#include "models/clean/CleanupViewModel.h"

#include <utility>

#include "models/ModelsLog.h"

namespace tidewell::models {

using engine::CleanupCategory;
using engine::CleanupItem;
using engine::CleanupTarget;

namespace {

std::function<bool(const CleanupItem&)> inCategory(CleanupCategory category) {
  return [category](const CleanupItem& item) { return item.target.category == category; };
}

// The catalog, then the artefact rows.
std::vector<CleanupTarget> catalogThenArtifacts(std::vector<CleanupTarget> catalog,
                                                std::vector<CleanupTarget> artifacts) {
  catalog.insert(catalog.end(), std::make_move_iterator(artifacts.begin()),
                 std::make_move_iterator(artifacts.end()));
  return catalog;
}

}  // namespace

CleanupViewModel::CleanupViewModel(ModelServices services, std::shared_ptr<const CleanupEngine> engine)
    : CleanupItemsModel(std::move(services), std::move(engine)) {
  freeSpaceBefore_ = engine_->availableBytes();
}

QCoro::Task<> CleanupViewModel::scan() {
  if (busy()) co_return;
  auto keep = keepAlive();
  publish(this, phase_, Phase::scanning, &CleanupViewModel::phaseChanged);
  publish(this, scanProgress_, 0.0, &CleanupViewModel::scanProgressChanged);
  publish(this, items_, std::vector<CleanupItem>{}, &CleanupViewModel::itemsChanged);
  publish(this, freeSpaceBefore_, engine_->availableBytes(), &CleanupViewModel::freeSpaceBeforeChanged);
  qCDebug(lcModels) << "clean: scan started;" << freeSpaceBefore_ << "bytes free";

  // Awaited tasks are named locals: see CleanupItemsModel.cpp.
  QCoro::Task<Targets> listing = listTargets(catalogThenArtifacts);
  Targets targets = co_await listing;
  Started named = [this, targets](std::size_t next) {
    // The row whose measuring just began, not the one just done.
    publish(this, currentTarget_, std::optional((*targets)[next].title),
            &CleanupViewModel::currentTargetChanged);
  };
  QCoro::Task<std::vector<CleanupItem>> measuring =
      measure(targets, static_cast<double>(targets->size()), named);
  std::vector<CleanupItem> found = co_await measuring;

  publish(this, currentTarget_, std::optional<std::string>{}, &CleanupViewModel::currentTargetChanged);
  qCDebug(lcModels) << "clean: scan ended;" << found.size() << "items of" << targets->size() << "targets";
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
  publish(this, phase_, Phase::cleaning, &CleanupViewModel::phaseChanged);
  publish(this, cleanProgress_, 0.0, &CleanupViewModel::cleanProgressChanged);
  publish(this, freeSpaceBefore_, engine_->availableBytes(), &CleanupViewModel::freeSpaceBeforeChanged);

  const std::size_t count = chosen.size();
  qCDebug(lcModels) << "clean: cleaning" << count << "items";
  QCoro::Task<int64_t> cleaning = cleanInOrder(std::move(chosen), "clean");
  const int64_t freed = co_await cleaning;
  qCDebug(lcModels) << "clean: cleaned" << count << "items, freed" << freed << "bytes,"
                    << failedTitles_.size() << "failed";

  publish(this, freeSpaceAfter_, engine_->availableBytes(), &CleanupViewModel::freeSpaceAfterChanged);
  // Written even when nothing was freed.
  services_.settings->addFreedBytes(freed);
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

std::vector<CleanupItem> CleanupViewModel::items(CleanupCategory category) const {
  std::vector<CleanupItem> found;
  std::copy_if(items_.begin(), items_.end(), std::back_inserter(found), inCategory(category));
  return found;
}

std::vector<CleanupCategory> CleanupViewModel::categories() const {
  std::vector<CleanupCategory> present;
  for (CleanupCategory category : engine::allCleanupCategories)
    if (std::any_of(items_.begin(), items_.end(), inCategory(category))) present.push_back(category);
  return present;
}

std::size_t CleanupViewModel::selectedCount(CleanupCategory category) const {
  return selectedCountWhere(inCategory(category));
}

int64_t CleanupViewModel::bytes(CleanupCategory category) const { return bytesWhere(inCategory(category)); }

void CleanupViewModel::setSelected(bool selected, CleanupCategory category) {
  setSelectedWhere(selected, inCategory(category));
}

void CleanupViewModel::selectSafeOnly(CleanupCategory category) { selectSafeOnlyWhere(inCategory(category)); }

}  // namespace tidewell::models
