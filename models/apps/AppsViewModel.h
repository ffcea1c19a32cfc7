#pragma once
// The state behind the Apps tool: a scan for installed applications with
// progress, the list in one of three orders, an uninstall plan (the
// application and its leftovers) built for the sheet to show, the uninstall
// of exactly that plan on confirmation, and the last result for the banner.
//
// The window's root view owns one instance (std::make_shared); the Apps
// screen and sheet drive it, Home and Smart Scan read it. GUI thread only.
// A running operation keeps the model alive until it has recorded its
// result.
//
// Applications are told apart by bundle path (InstalledApp::url): two
// copies of one application share an identifier.

#include <qcoro/qcorotask.h>

#include <QCollator>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "engine/apps/InstalledApp.h"
#include "engine/apps/UninstallResult.h"
#include "models/FeatureModel.h"
#include "models/GuiRelay.h"
#include "models/ModelServices.h"
#include "models/apps/AppsEngine.h"
#include "models/apps/PendingUninstall.h"

namespace tidewell::models {

class AppsViewModel : public FeatureModel {
  Q_OBJECT

 public:
  enum class Phase { idle, scanning, list };
  enum class SortOrder { leastUsed, largest, name };
  static constexpr std::array<SortOrder, 3> allSortOrders = {SortOrder::leastUsed, SortOrder::largest,
                                                             SortOrder::name};
  // The menu label, which also identifies the order: "Least used",
  // "Largest", "Name".
  static QString label(SortOrder order);

  AppsViewModel(ModelServices services, std::shared_ptr<const AppsEngine> engine);

  Phase phase() const { return phase_; }
  // In scan order; sortedApps() gives the shown order.
  const std::vector<engine::InstalledApp>& apps() const { return apps_; }
  double scanProgress() const { return scanProgress_; }
  SortOrder sortOrder() const { return sortOrder_; }
  // While set, the screen shows the uninstall sheet for it.
  const std::optional<PendingUninstall>& pendingPlan() const { return pendingPlan_; }
  // True while any requested plan is still being built.
  bool isBuildingPlan() const { return isBuildingPlan_; }
  // The outcome of the last uninstall; cleared by a new scan.
  const std::optional<engine::UninstallResult>& lastResult() const { return lastResult_; }

  // The sum of sizeBytes over apps; 0 when empty.
  int64_t totalBytes() const;
  // A copy of apps in sortOrder (stable, so ties keep scan order), with
  // "now" read once from the clock:
  //   name: case-insensitive localized name order, ascending;
  //   largest: sizeBytes, descending;
  //   leastUsed: months since last use, descending (never used first),
  //     then sizeBytes, descending.
  std::vector<engine::InstalledApp> sortedApps() const;

  // Scans; finishes once apps, scanProgress (1) and phase (list) are
  // published. Refused (an already finished task) while a scan runs.
  QCoro::Task<> scan();
  // Builds the plan for app; finishes when its leftovers are in. Only the
  // latest request's plan becomes pendingPlan, under a new id.
  QCoro::Task<> prepareUninstall(engine::InstalledApp app);
  // Uninstalls the pending plan when its id is planId (the sheet's plan);
  // does nothing (an already finished task) when no plan is pending or the
  // pending one is another. The sheet closes before the work starts; the
  // application leaves apps only when its bundle reached the Trash.
  QCoro::Task<> confirmUninstall(uint64_t planId);

  void setSortOrder(SortOrder order);
  // The sheet's Cancel; only the model itself offers a plan.
  void setPendingPlan(std::nullopt_t);
  // The screen's banner dismisses the result with std::nullopt.
  void setLastResult(std::optional<engine::UninstallResult> result);

 Q_SIGNALS:
  void phaseChanged();
  void appsChanged();
  void scanProgressChanged();
  void sortOrderChanged();
  void pendingPlanChanged();
  void isBuildingPlanChanged();
  void lastResultChanged();

 private:
  ModelServices services_;
  std::shared_ptr<const AppsEngine> engine_;
  std::shared_ptr<GuiRelay> relay_;
  QCollator collator_;
  // Counts scans, so a progress report of an earlier scan never lands.
  uint64_t scanRun_ = 0;
  // The id of the latest plan request, and how many builds are running.
  uint64_t latestPlanRequest_ = 0;
  int plansBuilding_ = 0;

  Phase phase_ = Phase::idle;
  std::vector<engine::InstalledApp> apps_;
  double scanProgress_ = 0;
  SortOrder sortOrder_ = SortOrder::leastUsed;
  std::optional<PendingUninstall> pendingPlan_;
  bool isBuildingPlan_ = false;
  std::optional<engine::UninstallResult> lastResult_;
};

}  // namespace tidewell::models
