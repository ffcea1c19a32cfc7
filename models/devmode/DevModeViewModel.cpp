#include "models/devmode/DevModeViewModel.h"

#include <qcoro/qcorofuture.h>

#include <algorithm>
#include <utility>

#include "models/ModelsLog.h"
#include "models/devmode/DevToolsDetector.h"

namespace tidewell::models {

using engine::AIModelStore;
using engine::CleanupCategory;
using engine::CleanupItem;
using engine::CleanupTarget;
using engine::SafetyLevel;

namespace {

std::function<bool(const CleanupItem&)> inSet(const DevModeViewModel::Ids& ids) {
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

bool DevModeViewModel::hasDevTools(const platform::EngineContext& ctx) {
  return DevToolsDetector::detect(ctx, DevToolsDetector::existsOnDisk);
}

std::vector<CleanupTarget> DevModeViewModel::targets(std::vector<CleanupTarget> catalog,
                                                     std::vector<CleanupTarget> artifacts) {
  std::vector<CleanupTarget> rows;
  for (CleanupTarget& row : catalog) {
    const bool extra =
        std::find(extraTargetIDs.begin(), extraTargetIDs.end(), row.id) != extraTargetIDs.end();
    if (row.category == CleanupCategory::developerCaches || extra) rows.push_back(std::move(row));
  }
  rows.insert(rows.end(), aiCacheTargets().begin(), aiCacheTargets().end());
  rows.insert(rows.end(), std::make_move_iterator(artifacts.begin()),
              std::make_move_iterator(artifacts.end()));
  return rows;
}

DevModeViewModel::DevModeViewModel(ModelServices services, std::shared_ptr<const CleanupEngine> engine)
    : CleanupItemsModel(std::move(services), std::move(engine)) {}

QCoro::Task<> DevModeViewModel::scan() {
  if (busy()) co_return;
  auto keep = keepAlive();
  publish(this, phase_, Phase::scanning, &DevModeViewModel::phaseChanged);
  publish(this, scanProgress_, 0.0, &DevModeViewModel::scanProgressChanged);
  publish(this, items_, std::vector<CleanupItem>{}, &DevModeViewModel::itemsChanged);
  publish(this, models_, std::vector<AIModelStore>{}, &DevModeViewModel::modelsChanged);
  qCDebug(lcModels) << "dev mode: scan started";

  // Awaited futures and tasks are named locals: see CleanupItemsModel.cpp.
  QCoro::Task<Targets> listing = listTargets(targets);
  Targets rows = co_await listing;
  // Nothing here names the row being measured.
  QCoro::Task<std::vector<CleanupItem>> measuring =
      measure(rows, static_cast<double>(std::max<std::size_t>(rows->size(), 1)), [](std::size_t) {});
  std::vector<CleanupItem> found = co_await measuring;

  // The phase stays scanning, at full progress, until the model folders are known.
  auto engine = engine_;
  QFuture<std::vector<AIModelStore>> finding =
      services_.executor->run([engine] { return engine->aiModels(); });
  std::vector<AIModelStore> stores = co_await finding;

  qCDebug(lcModels) << "dev mode: scan ended;" << found.size() << "items," << stores.size()
                    << "model folders";
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
  publish(this, phase_, Phase::cleaning, &DevModeViewModel::phaseChanged);
  publish(this, cleanProgress_, 0.0, &DevModeViewModel::cleanProgressChanged);

  const std::size_t count = chosen.size();
  qCDebug(lcModels) << "dev mode: cleaning" << count << "items";
  QCoro::Task<int64_t> cleaning = cleanInOrder(std::move(chosen), "dev mode");
  const int64_t freed = co_await cleaning;
  qCDebug(lcModels) << "dev mode: cleaned" << count << "items, freed" << freed << "bytes,"
                    << failedTitles_.size() << "failed";

  // Written even when nothing was freed; the cleanup time is the Clean model's.
  services_.settings->addFreedBytes(freed);
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

int64_t DevModeViewModel::modelBytes() const {
  int64_t sum = 0;
  for (const auto& store : models_) sum += store.sizeBytes;
  return sum;
}

std::size_t DevModeViewModel::selectedCount(const Ids& ids) const { return selectedCountWhere(inSet(ids)); }

void DevModeViewModel::setSelected(bool selected, const Ids& ids) { setSelectedWhere(selected, inSet(ids)); }

void DevModeViewModel::selectSafeOnly(const Ids& ids) { selectSafeOnlyWhere(inSet(ids)); }

}  // namespace tidewell::models
