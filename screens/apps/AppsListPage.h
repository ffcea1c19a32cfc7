#pragma once
// The Apps screen once it has scanned: in a scroll view, the header with
// the summary line and the sort menu, the banner of the last uninstall
// while there is one, and the grid of app cards in the chosen order; over
// the bottom of the scroll view, the "Hunting leftovers…" capsule while a
// plan is being built. It shows the values it is given (the Apps screen
// hands it new ones as the model changes) and reports the sort menu's
// choice, a card's trash button and the banner's dismissal by signals;
// nothing is disabled meanwhile. GUI thread only.

#include <QColor>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "base/LocalTime.h"
#include "engine/apps/InstalledApp.h"
#include "engine/apps/UninstallResult.h"
#include "models/apps/AppsViewModel.h"

namespace tidewell::design {
class ScreenHeader;
}

namespace tidewell::screens {

class AppGrid;
class AppIconProvider;
class AppsSortMenu;
class MessageBanner;
class PlanBuildingOverlay;
class ResultBanner;
class ScrollColumn;

class AppsListPage : public QWidget {
  Q_OBJECT
 public:
  using SortOrder = models::AppsViewModel::SortOrder;

  AppsListPage(std::shared_ptr<AppIconProvider> icons, QColor destructiveRed, SortOrder order,
               QWidget* parent = nullptr);

  // How many applications the scan found and their summed size.
  void setSummary(std::size_t count, int64_t totalBytes);
  // The applications in the order shown, with ages relative to now.
  void setApps(const std::vector<engine::InstalledApp>& apps, base::TimePoint now);
  void setSortOrder(SortOrder order);
  // The outcome of the last uninstall; none: no banner.
  void setLastResult(const std::optional<engine::UninstallResult>& result);
  // Whether a plan is being built.
  void setBuildingPlan(bool building);

  AppGrid* grid() const { return grid_; }
  PlanBuildingOverlay* overlay() const { return overlay_; }
  // The banner while there is a result; nullptr otherwise.
  ResultBanner* banner() const;

 Q_SIGNALS:
  void sortOrderChosen(SortOrder order);
  // A card's trash button.
  void uninstallRequested(const engine::InstalledApp& app);
  void resultDismissed();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeOverlay();

  ScrollColumn* scroll_;
  design::ScreenHeader* header_;
  AppsSortMenu* sortMenu_;
  MessageBanner* banner_;
  AppGrid* grid_;
  PlanBuildingOverlay* overlay_;
};

}  // namespace tidewell::screens
