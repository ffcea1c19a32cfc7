#include "models/deepscan/DeepScanViewModel.h"

#include <qcoro/qcorofuture.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <string>
#include <utility>

#include "base/Paths.h"
#include "models/ModelsLog.h"

namespace tidewell::models {

using engine::BigItem;

namespace {

// An installer stands in for the big item at the same path (it carries the
// installer's kind and note), and a container item for everything inside
// its tool's own folder, so the user sees each space once.
std::vector<BigItem> merged(std::vector<BigItem> big, std::vector<BigItem> installers,
                            std::vector<BigItem> containers, const std::vector<std::string>& managed) {
  std::erase_if(big, [&](const BigItem& item) {
    const bool isInstaller = std::any_of(installers.begin(), installers.end(),
                                         [&](const BigItem& installer) { return installer.id == item.id; });
    return isInstaller || std::any_of(managed.begin(), managed.end(), [&](const std::string& folder) {
             return base::isSameOrBelow(item.id, folder);
           });
  });
  std::vector<BigItem> all = std::move(big);
  all.reserve(all.size() + installers.size() + containers.size());
  std::move(installers.begin(), installers.end(), std::back_inserter(all));
  std::move(containers.begin(), containers.end(), std::back_inserter(all));
  std::stable_sort(all.begin(), all.end(),
                   [](const BigItem& a, const BigItem& b) { return a.sizeBytes > b.sizeBytes; });
  return all;
}

}  // namespace

DeepScanViewModel::DeepScanViewModel(ModelServices services, std::shared_ptr<const DeepScanEngine> engine)
    : services_(std::move(services)), engine_(std::move(engine)), relay_(GuiRelay::create(this)) {}

int64_t DeepScanViewModel::totalBytes() const {
  int64_t total = 0;
  for (const auto& item : items_) total += item.sizeBytes;
  return total;
}

QCoro::Task<> DeepScanViewModel::scan() {
  if (phase_ == Phase::scanning) co_return;
  auto keep = keepAlive();
  const uint64_t run = ++scanRun_;
  publish(this, phase_, Phase::scanning, &DeepScanViewModel::phaseChanged);
  publish(this, scanProgress_, 0.0, &DeepScanViewModel::scanProgressChanged);
  publish(this, lastResult_, std::nullopt, &DeepScanViewModel::lastResultChanged);
  qCDebug(lcModels) << "deep scan: scan" << run << "started";

  // The relay drops a report once the model is gone; the run and phase
  // checks drop one that arrives after this scan's result (a fast scan's
  // future may already be finished when it is awaited, ahead of its queued
  // reports). The last fraction reported is kept aside for that case.
  auto lastReport = std::make_shared<std::atomic<double>>(-1.0);
  auto report = [this, relay = relay_, run, lastReport](double fraction) {
    lastReport->store(fraction);
    relay->post([this, run, fraction] {
      if (run != scanRun_ || phase_ != Phase::scanning) return;
      publish(this, scanProgress_, fraction, &DeepScanViewModel::scanProgressChanged);
    });
  };
  auto job = [engine = engine_, report] {
    auto big = engine->bigItems(report);
    auto installers = engine->installers();
    auto containers = engine->containers();
    return merged(std::move(big), std::move(installers), std::move(containers), engine->managedPaths());
  };
  // Jobs are made outside the await expression: g++ 12 may destroy a
  // capturing lambda made inside one twice.
  auto future = services_.executor->run(std::move(job));
  auto found = co_await future;
  if (const double last = lastReport->load(); last >= 0 && last != scanProgress_)
    publish(this, scanProgress_, last, &DeepScanViewModel::scanProgressChanged);
  qCDebug(lcModels) << "deep scan: scan" << run << "ended;" << found.size() << "items";
  publish(this, items_, std::move(found), &DeepScanViewModel::itemsChanged);
  publish(this, phase_, Phase::list, &DeepScanViewModel::phaseChanged);
}

QCoro::Task<> DeepScanViewModel::trash(BigItem item) {
  auto keep = keepAlive();
  auto future = services_.executor->run([engine = engine_, item] { return engine->trash(item); });
  const TrashOutcome outcome = co_await future;
  qCDebug(lcModels) << "deep scan: trash" << (outcome.success ? "moved" : "failed for") << outcome.freedBytes
                    << "bytes";
  if (!outcome.success)
    qCWarning(lcModels).noquote() << QStringLiteral("deep scan: %1 not moved to the Trash: %2")
                                         .arg(QString::fromStdString(outcome.name),
                                              reasonForLog(outcome.reason));
  if (outcome.success) {
    auto remaining = items_;
    std::erase_if(remaining, [&](const BigItem& each) { return each.id == item.id; });
    publish(this, items_, std::move(remaining), &DeepScanViewModel::itemsChanged);
  }
  publish(this, lastResult_, outcome, &DeepScanViewModel::lastResultChanged);
}

void DeepScanViewModel::setLastResult(std::optional<TrashOutcome> result) {
  publish(this, lastResult_, std::move(result), &DeepScanViewModel::lastResultChanged);
}

}  // namespace tidewell::models
