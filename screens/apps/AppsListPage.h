#pragma once
// The Apps screen once it has scanned: in a scroll view, the header with
// the summary line and the sort menu, the banner of the last uninstall
// while there is one, and the grid of app cards in the chosen order; over
// the bottom of the scroll view, the "Hunting leftovers…" capsule while a
// plan is being built. It follows the model and asks it to build a plan
// when a card's trash button is pressed; nothing is disabled meanwhile.
// GUI thread only.

#include <QColor>
#include <QWidget>
#include <memory>

#include "models/Clock.h"
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
  AppsListPage(std::shared_ptr<models::AppsViewModel> model, std::shared_ptr<AppIconProvider> icons,
               models::Clock clock, QColor destructiveRed, QWidget* parent = nullptr);

  AppGrid* grid() const { return grid_; }
  PlanBuildingOverlay* overlay() const { return overlay_; }
  // The banner while there is a result; nullptr otherwise.
  ResultBanner* banner() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void showSummary();
  void showGrid();
  void showBanner();
  void showOverlay();
  void placeOverlay();

  std::shared_ptr<models::AppsViewModel> model_;
  models::Clock clock_;
  ScrollColumn* scroll_;
  design::ScreenHeader* header_;
  AppsSortMenu* sortMenu_;
  MessageBanner* banner_;
  AppGrid* grid_;
  PlanBuildingOverlay* overlay_;
};

}  // namespace tidewell::screens
