#pragma once
// The grid of app cards: adaptive columns at least 230 wide, 12 apart,
// rows 12 apart, one card per application in the order given. Cards are
// kept per bundle path, so a re-sorted or refreshed list keeps each card
// (its hover and its loaded icon) with its application, and two copies of
// one application are two cards. A card's trash button reports
// uninstallRequested(app). GUI thread only.

#include <QColor>
#include <QList>
#include <memory>
#include <string>
#include <vector>

#include "base/LocalTime.h"
#include "engine/apps/InstalledApp.h"
#include "screens/common/layout/AdaptiveGrid.h"
#include "screens/common/layout/KeyedWidgets.h"

namespace tidewell::screens {

class AppCard;
class AppIconProvider;

class AppGrid : public AdaptiveGrid {
  Q_OBJECT
 public:
  static AdaptiveGridMetrics metrics();

  AppGrid(QColor destructiveRed, std::shared_ptr<AppIconProvider> icons, QWidget* parent = nullptr);

  // Shows apps in this order, with ages relative to now.
  void showApps(const std::vector<engine::InstalledApp>& apps, base::TimePoint now);
  // The cards in the order shown.
  QList<AppCard*> cards() const;

 Q_SIGNALS:
  void uninstallRequested(const engine::InstalledApp& app);

 private:
  QColor destructiveRed_;
  std::shared_ptr<AppIconProvider> icons_;
  KeyedWidgets<AppCard, std::string> cards_;
};

}  // namespace tidewell::screens
