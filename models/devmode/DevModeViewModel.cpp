#include "models/devmode/DevModeViewModel.h"

#include <qcoro/qcorofuture.h>

#include <algorithm>
#include <utility>

#include "models/clean/CleanupRunner.h"
#include "models/clean/ItemSelection.h"
#include "models/devmode/DevToolsDetector.h"

namespace tidewell::models {

using engine::AIModelStore;
using engine::CleanupCategory;
using engine::CleanupItem;
using engine::CleanupTarget;
using engine::SafetyLevel;

namespace {

ItemSelection::Filter inSet(const DevModeViewModel::Ids& ids) {
  return [&ids](const CleanupItem& item) { return ids.count(item.id()) > 0; };
}

}  // namespace

const std::vector<CleanupTarget>& DevModeViewModel::aiCacheTargets() {
  static const std::vector<CleanupTarget> rows = {
      {"hf-hub-cache",
       "Hugging Face model cache",
       "Downloaded model weights (transformers, diffusers). Re-downloadable, but large and slow to refetch. "
       "Your "
       "login token is left alone.",
       CleanupCategory::aiCaches,
       SafetyLevel::caution,
       {"~/.cache/huggingface/hub", "~/.cache/huggingface/xet"},
       false},
      {"torch-hub-cache",
       "PyTorch model cache",
       "Pretrained weights cached by torch.hub. Re-downloaded when a model needs them.",
       CleanupCategory::aiCaches,
       SafetyLevel::caution,
       {"~/.cache/torch/hub/checkpoints"},
       false},
      {"keras-model-cache",
       "Keras model cache",
       "Pretrained Keras / TensorFlow weights. Re-downloaded on next use; your datasets and settings stay.",
       CleanupCategory::aiCaches,
       SafetyLevel::caution,
       {"~/.keras/models"},
       false},
      {"conda-pkg-cache",
       "Conda package cache",
       "Downloaded conda packages, not your environments. Re-fetched when needed.",
       CleanupCategory::aiCaches,
       SafetyLevel::caution,
       {"~/miniconda3/pkgs", "~/anaconda3/pkgs", "~/opt/anaconda3/pkgs", "~/miniforge3/pkgs"},
       false},
  };
  return rows;
}

bool DevModeViewModel::hasDevTools() {
  // Fixed for the process: installing a tool while the program runs does
  // not change the sidebar.
  static const bool present =
      DevToolsDetector::detect(platform::EngineContext::machine(), DevToolsDetector::existsOnDisk);
  return present;
}

std::vector<CleanupTarget> DevModeViewModel::targets(const std::vector<CleanupTarget>& catalog,
                                                     std::vector<CleanupTarget> artifacts) {
  std::vector<CleanupTarget> rows;
  for (const CleanupTarget& row : catalog) {
    const bool extra =
        std::find(extraTargetIDs.begin(), extraTargetIDs.end(), row.id) != extraTargetIDs.end();
    if (row.category == CleanupCategory::developerCaches || extra) rows.push_back(row);
  }
  rows.insert(rows.end(), aiCacheTargets().begin(), aiCacheTargets().end());
  rows.insert(rows.end(), std::make_move_iterator(artifacts.begin()),
              std::make_move_iterator(artifacts.end()));
  return rows;
}

DevModeViewModel::DevModeViewModel(ModelServices services, std::shared_ptr<const CleanupEngine> engine)
    : services_(std::move(services)), engine_(std::move(engine)) {}

QCoro::Task<> DevModeViewModel::scan() {
  if (busy()) co_return;
  auto keep = keepAlive();
  publish(this, phase_, Phase::scanning, &DevModeViewModel::phaseChanged);
  publish(this, scanProgress_, 0.0, &DevModeViewModel::scanProgressChanged);
  publish(this, items_, std::vector<CleanupItem>{}, &DevModeViewModel::itemsChanged);
  publish(this, models_, std::vector<AIModelStore>{}, &DevModeViewModel::modelsChanged);

  auto engine = engine_;
  // Awaited values are named locals throughout: g++ 12 may destroy
  // temporaries of a co_await expression twice.
  QFuture<std::vector<CleanupTarget>> listing =
      services_.executor->run([engine] { return targets(engine->catalog(), engine->findBuildArtifacts()); });
  std::vector<CleanupTarget> listed = co_await listing;
  auto rows = std::make_shared<const std::vector<CleanupTarget>>(std::move(listed));

  const double denominator = static_cast<double>(std::max<std::size_t>(rows->size(), 1));
  CleanupRunner::Measured progress = [this, denominator](std::size_t finished, std::optional<std::size_t>) {
    publish(this, scanProgress_, static_cast<double>(finished) / denominator,
            &DevModeViewModel::scanProgressChanged);
  };
  QCoro::Task<std::vector<CleanupItem>> measuring =
      CleanupRunner::measure(this, services_.executor, engine, rows, progress);
  std::vector<CleanupItem> found = co_await measuring;

  // The phase stays scanning, at full progress, until the model folders are known.
  QFuture<std::vector<AIModelStore>> finding =
      services_.executor->run([engine] { return engine->aiModels(); });
  std::vector<AIModelStore> stores = co_await finding;

  publish(this, items_, std::move(found), &DevModeViewModel::itemsChanged);
  publish(this, models_, std::move(stores), &DevModeViewModel::modelsChanged);
  publish(this, phase_, Phase::review, &DevModeViewModel::phaseChanged);
}

QCoro::Task<> DevModeViewModel::clean() {
  // Only from review: a second call while cleaning, or after done, would
  // clean the same items again and count their old sizes twice.
  if (phase_ != Phase::review) co_return;
  std::vector<CleanupItem> chosen = selectedItems();
  if (chosen.empty()) co_return;
  auto keep = keepAlive();
  const double count = static_cast<double>(chosen.size());
  publish(this, phase_, Phase::cleaning, &DevModeViewModel::phaseChanged);
  publish(this, cleanProgress_, 0.0, &DevModeViewModel::cleanProgressChanged);

  CleanupRunner::Cleaned progress = [this, count](std::size_t done) {
    publish(this, cleanProgress_, static_cast<double>(done) / count, &DevModeViewModel::cleanProgressChanged);
  };
  QCoro::Task<CleanupRunner::Outcome> cleaning =
      CleanupRunner::clean(services_.executor, engine_, std::move(chosen), progress);
  CleanupRunner::Outcome outcome = co_await cleaning;

  publish(this, freedBytes_, outcome.freedBytes, &DevModeViewModel::freedBytesChanged);
  publish(this, failedTitles_, std::move(outcome.failedTitles), &DevModeViewModel::failedTitlesChanged);
  // Written even when nothing was freed.
  services_.settings->addFreedBytes(outcome.freedBytes);
  publish(this, phase_, Phase::done, &DevModeViewModel::phaseChanged);
}

void DevModeViewModel::reset() {
  // A running scan or cleaning still owns the fields.
  if (busy()) return;
  publish(this, phase_, Phase::idle, &DevModeViewModel::phaseChanged);
  publish(this, scanProgress_, 0.0, &DevModeViewModel::scanProgressChanged);
  publish(this, cleanProgress_, 0.0, &DevModeViewModel::cleanProgressChanged);
  publish(this, freedBytes_, int64_t{0}, &DevModeViewModel::freedBytesChanged);
  publish(this, failedTitles_, std::vector<std::string>{}, &DevModeViewModel::failedTitlesChanged);
}

int64_t DevModeViewModel::totalBytes() const { return ItemSelection::bytes(items_); }

int64_t DevModeViewModel::modelBytes() const {
  int64_t sum = 0;
  for (const auto& store : models_) sum += store.sizeBytes;
  return sum;
}

std::vector<CleanupItem> DevModeViewModel::selectedItems() const { return ItemSelection::selected(items_); }

int64_t DevModeViewModel::selectedBytes() const { return ItemSelection::selectedBytes(items_); }

std::size_t DevModeViewModel::selectedCount(const Ids& ids) const {
  return ItemSelection::selectedCount(items_, inSet(ids));
}

bool DevModeViewModel::isSelected(std::string_view id) const { return ItemSelection::isSelected(items_, id); }

void DevModeViewModel::setSelected(std::string_view id, bool selected) {
  publishSelection(ItemSelection::setSelected(items_, id, selected));
}

void DevModeViewModel::selectAll(bool selected) { publishSelection(ItemSelection::setAll(items_, selected)); }

void DevModeViewModel::selectSafeOnly() { publishSelection(ItemSelection::selectSafeOnly(items_)); }

void DevModeViewModel::setSelected(bool selected, const Ids& ids) {
  publishSelection(ItemSelection::setAll(items_, selected, inSet(ids)));
}

void DevModeViewModel::selectSafeOnly(const Ids& ids) {
  publishSelection(ItemSelection::selectSafeOnly(items_, inSet(ids)));
}

void DevModeViewModel::publishSelection(bool wrote) {
  if (!wrote) return;
  emit itemsChanged();
  emit changed();
}

}  // namespace tidewell::models
