#include "models/apps/AppsViewModel.h"

#include <qcoro/qcorofuture.h>

#include <QLocale>
#include <algorithm>
#include <numeric>
#include <utility>

#include "models/ModelsLog.h"

namespace tidewell::models {

using engine::InstalledApp;

namespace {

// The C locale orders by code point, which is neither localized nor
// case-insensitive; names then fall back to English order.
QCollator nameCollator() {
  QLocale locale;
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
  QCollator collator(locale);
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  return collator;
}

// The positions 0..n-1 stably sorted by before(i, j), over keys made once
// per application before the sort, so no key moves while it runs.
template <typename Before>
std::vector<size_t> stableOrder(size_t count, Before before) {
  std::vector<size_t> order(count);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), before);
  return order;
}

}  // namespace

QString AppsViewModel::label(SortOrder order) {
  switch (order) {
    case SortOrder::leastUsed:
      return QStringLiteral("Least used");
    case SortOrder::largest:
      return QStringLiteral("Largest");
    case SortOrder::name:
      return QStringLiteral("Name");
  }
  return {};
}

AppsViewModel::AppsViewModel(ModelServices services, std::shared_ptr<const AppsEngine> engine)
    : services_(std::move(services)),
      engine_(std::move(engine)),
      relay_(GuiRelay::create(this)),
      collator_(nameCollator()) {}

int64_t AppsViewModel::totalBytes() const {
  int64_t total = 0;
  for (const auto& app : apps_) total += app.sizeBytes;
  return total;
}

std::vector<InstalledApp> AppsViewModel::sortedApps() const {
  const size_t count = apps_.size();
  std::vector<size_t> order;
  switch (sortOrder_) {
    case SortOrder::name: {
      std::vector<QString> names;
      names.reserve(count);
      for (const auto& app : apps_) names.push_back(QString::fromStdString(app.name));
      order =
          stableOrder(count, [&](size_t a, size_t b) { return collator_.compare(names[a], names[b]) < 0; });
      break;
    }
    case SortOrder::largest:
      order = stableOrder(count, [&](size_t a, size_t b) { return apps_[a].sizeBytes > apps_[b].sizeBytes; });
      break;
    case SortOrder::leastUsed: {
      const auto now = services_.clock.now();
      std::vector<int64_t> months;
      months.reserve(count);
      for (const auto& app : apps_) months.push_back(app.monthsSinceLastUse(now));
      order = stableOrder(count, [&](size_t a, size_t b) {
        if (months[a] != months[b]) return months[a] > months[b];
        return apps_[a].sizeBytes > apps_[b].sizeBytes;
      });
      break;
    }
  }
  std::vector<InstalledApp> sorted;
  sorted.reserve(count);
  for (size_t i : order) sorted.push_back(apps_[i]);
  return sorted;
}

QCoro::Task<> AppsViewModel::scan() {
  if (phase_ == Phase::scanning) co_return;
  auto keep = keepAlive();
  const uint64_t run = ++scanRun_;
  publish(this, phase_, Phase::scanning, &AppsViewModel::phaseChanged);
  publish(this, scanProgress_, 0.0, &AppsViewModel::scanProgressChanged);
  publish(this, lastResult_, std::nullopt, &AppsViewModel::lastResultChanged);
  qCDebug(lcModels) << "apps: scan" << run << "started";

  // The relay drops a report once the model is gone; the run and phase
  // checks drop one that arrives after this scan's result.
  auto report = [this, relay = relay_, run](double fraction) {
    relay->post([this, run, fraction] {
      if (run != scanRun_ || phase_ != Phase::scanning) return;
      publish(this, scanProgress_, fraction, &AppsViewModel::scanProgressChanged);
    });
  };
  // Jobs are made outside the await expression: g++ 12 may destroy a
  // capturing lambda made inside one twice.
  auto future = services_.executor->run([engine = engine_, report] { return engine->scanApps(report); });
  auto found = co_await future;
  qCDebug(lcModels) << "apps: scan" << run << "ended;" << found.size() << "applications";
  publish(this, apps_, std::move(found), &AppsViewModel::appsChanged);
  publish(this, scanProgress_, 1.0, &AppsViewModel::scanProgressChanged);
  publish(this, phase_, Phase::list, &AppsViewModel::phaseChanged);
}

QCoro::Task<> AppsViewModel::prepareUninstall(InstalledApp app) {
  auto keep = keepAlive();
  // Builds may overlap (the user picks another application before the
  // first plan is in): the flag stays up until the last one ends, and only
  // the latest request's plan is offered, so the sheet never shows an
  // application other than the one picked last.
  const uint64_t request = ++latestPlanRequest_;
  ++plansBuilding_;
  publish(this, isBuildingPlan_, true, &AppsViewModel::isBuildingPlanChanged);

  auto future = services_.executor->run([engine = engine_, app] { return engine->findLeftovers(app); });
  auto leftovers = co_await future;

  --plansBuilding_;
  if (plansBuilding_ == 0) publish(this, isBuildingPlan_, false, &AppsViewModel::isBuildingPlanChanged);
  if (request != latestPlanRequest_) co_return;
  publish(this, pendingPlan_, PendingUninstall{request, {std::move(app), std::move(leftovers)}},
          &AppsViewModel::pendingPlanChanged);
}

QCoro::Task<> AppsViewModel::confirmUninstall(uint64_t planId) {
  if (!pendingPlan_ || pendingPlan_->id != planId) co_return;
  auto keep = keepAlive();
  engine::UninstallPlan plan = std::move(pendingPlan_->plan);
  publish(this, pendingPlan_, std::nullopt, &AppsViewModel::pendingPlanChanged);

  auto future = services_.executor->run([engine = engine_, plan] { return engine->uninstall(plan); });
  const engine::UninstallResult result = co_await future;
  qCDebug(lcModels) << "apps: uninstall moved" << result.movedCount << "items," << result.freedBytes
                    << "bytes;" << result.failed.size() << "failed; bundle moved:" << result.appBundleMoved;
  const QString appName = QString::fromStdString(result.appName);
  for (const auto& failed : result.failed) {
    // A refusal of the whole plan names no item, only its message.
    if (failed.reason.kind == platform::FailureReason::Kind::running)
      qCWarning(lcModels).noquote()
          << QStringLiteral("apps: %1 not uninstalled: %2").arg(appName, reasonForLog(failed.reason));
    else
      qCWarning(lcModels).noquote() << QStringLiteral("apps: %1 of %2 not moved to the Trash: %3")
                                           .arg(QString::fromStdString(failed.name), appName,
                                                reasonForLog(failed.reason));
  }
  if (result.appBundleMoved) {
    auto remaining = apps_;
    std::erase_if(remaining, [&](const InstalledApp& each) { return each.url == plan.app.url; });
    publish(this, apps_, std::move(remaining), &AppsViewModel::appsChanged);
  }
  publish(this, lastResult_, result, &AppsViewModel::lastResultChanged);
}

void AppsViewModel::setSortOrder(SortOrder order) {
  publish(this, sortOrder_, order, &AppsViewModel::sortOrderChanged);
}

void AppsViewModel::setPendingPlan(std::nullopt_t) {
  publish(this, pendingPlan_, std::nullopt, &AppsViewModel::pendingPlanChanged);
}

void AppsViewModel::setLastResult(std::optional<engine::UninstallResult> result) {
  publish(this, lastResult_, std::move(result), &AppsViewModel::lastResultChanged);
}

}  // namespace tidewell::models
