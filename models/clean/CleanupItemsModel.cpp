#include "models/clean/CleanupItemsModel.h"

#include <qcoro/qcorofuture.h>

#include <algorithm>
#include <utility>

#include "models/MeasureWindow.h"
#include "models/ModelsLog.h"

namespace tidewell::models {

using engine::CleanupItem;
using engine::CleanupTarget;

// Every awaited future and task below is a named local: g++ 12 may destroy
// a capturing lambda made inside an await expression twice.

CleanupItemsModel::CleanupItemsModel(ModelServices services, std::shared_ptr<const CleanupEngine> engine)
    : services_(std::move(services)), engine_(std::move(engine)) {}

QCoro::Task<CleanupItemsModel::Targets> CleanupItemsModel::listTargets(Assemble assemble) {
  auto engine = engine_;
  QFuture<std::vector<CleanupTarget>> listing = services_.executor->run(
      [engine, assemble] { return assemble(engine->catalog(), engine->findBuildArtifacts()); });
  std::vector<CleanupTarget> rows = co_await listing;
  co_return std::make_shared<const std::vector<CleanupTarget>>(std::move(rows));
}

QCoro::Task<std::vector<CleanupItem>> CleanupItemsModel::measure(Targets targets, double denominator,
                                                                 Started onStarted) {
  using Window = MeasureWindow<std::optional<CleanupItem>>;
  std::vector<CleanupItem> found;
  std::size_t finished = 0;
  // The job holds its own references: it runs on a worker.
  Window::Job job = [engine = engine_, targets](std::size_t index) {
    return engine->scan((*targets)[index]);
  };
  Window::Finished record = [&](std::size_t, std::optional<CleanupItem> item,
                                std::optional<std::size_t> next) {
    if (item) found.push_back(std::move(*item));
    publish(this, scanProgress_, static_cast<double>(++finished) / denominator,
            &CleanupItemsModel::scanProgressChanged);
    if (next) onStarted(*next);
  };
  QCoro::Task<> window = Window::run(this, *services_.executor, targets->size(), measureWidth, job, record);
  co_await window;
  std::stable_sort(found.begin(), found.end(),
                   [](const CleanupItem& a, const CleanupItem& b) { return a.sizeBytes > b.sizeBytes; });
  co_return found;
}

QCoro::Task<int64_t> CleanupItemsModel::cleanInOrder(std::vector<CleanupItem> chosen, const char* section) {
  int64_t freed = 0;
  std::vector<std::string> failures;
  auto engine = engine_;
  for (std::size_t i = 0; i < chosen.size(); ++i) {
    QFuture<engine::DiskScanner::CleanResult> cleaning =
        services_.executor->run([engine, item = chosen[i]] { return engine->clean(item); });
    const engine::DiskScanner::CleanResult result = co_await cleaning;
    freed += std::max<int64_t>(result.freedBytes, 0);
    if (result.failedTitle) {
      qCWarning(lcModels).noquote() << QStringLiteral("%1: %2 not cleaned fully: %3")
                                           .arg(QLatin1String(section),
                                                QString::fromStdString(*result.failedTitle),
                                                reasonForLog(result.reason));
      failures.push_back(*result.failedTitle);
    }
    publish(this, cleanProgress_, static_cast<double>(i + 1) / static_cast<double>(chosen.size()),
            &CleanupItemsModel::cleanProgressChanged);
  }
  publish(this, freedBytes_, freed, &CleanupItemsModel::freedBytesChanged);
  publish(this, failedTitles_, std::move(failures), &CleanupItemsModel::failedTitlesChanged);
  co_return freed;
}

std::vector<CleanupItem> CleanupItemsModel::selectedItems() const {
  std::vector<CleanupItem> chosen;
  std::copy_if(items_.begin(), items_.end(), std::back_inserter(chosen),
               [](const CleanupItem& item) { return item.isSelected; });
  return chosen;
}

int64_t CleanupItemsModel::totalBytes() const { return bytesWhere({}); }

int64_t CleanupItemsModel::selectedBytes() const {
  return bytesWhere([](const CleanupItem& item) { return item.isSelected; });
}

bool CleanupItemsModel::isSelected(std::string_view id) const {
  auto found =
      std::find_if(items_.begin(), items_.end(), [id](const CleanupItem& item) { return item.id() == id; });
  return found != items_.end() && found->isSelected;
}

void CleanupItemsModel::setSelected(std::string_view id, bool selected) {
  auto found =
      std::find_if(items_.begin(), items_.end(), [id](const CleanupItem& item) { return item.id() == id; });
  if (found == items_.end()) return;
  found->isSelected = selected;
  publishSelection(true);
}

void CleanupItemsModel::selectAll(bool selected) { setSelectedWhere(selected, {}); }

void CleanupItemsModel::selectSafeOnly() { selectSafeOnlyWhere({}); }

void CleanupItemsModel::setSelectedWhere(bool selected, const Filter& filter) {
  bool wrote = false;
  for (auto& item : items_) {
    if (filter && !filter(item)) continue;
    item.isSelected = selected;
    wrote = true;
  }
  publishSelection(wrote);
}

void CleanupItemsModel::selectSafeOnlyWhere(const Filter& filter) {
  bool wrote = false;
  for (auto& item : items_) {
    if (filter && !filter(item)) continue;
    item.isSelected = item.target.safety == engine::SafetyLevel::safe;
    wrote = true;
  }
  publishSelection(wrote);
}

std::size_t CleanupItemsModel::selectedCountWhere(const Filter& filter) const {
  return static_cast<std::size_t>(std::count_if(items_.begin(), items_.end(), [&](const CleanupItem& item) {
    return item.isSelected && (!filter || filter(item));
  }));
}

int64_t CleanupItemsModel::bytesWhere(const Filter& filter) const {
  int64_t sum = 0;
  for (const auto& item : items_)
    if (!filter || filter(item)) sum += item.sizeBytes;
  return sum;
}

void CleanupItemsModel::publishSelection(bool wrote) {
  if (!wrote) return;
  Q_EMIT itemsChanged();
  Q_EMIT changed();
}

}  // namespace tidewell::models
