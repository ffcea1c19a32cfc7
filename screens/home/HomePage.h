#pragma once
// The Home page: the header, the hero card, the Full Disk Access banner
// (only while access is missing), the four tool tiles and the reminder
// row, in a scroll view. It follows the controller (and through it the four
// tool models), the Full Disk Access model, the theme engine and the
// settings, and redraws every figure from a snapshot whenever one of them
// changes; the reminder reads the clock then. "Scan My Mac" starts Smart
// Scan; a tile asks the window for its tool's section; the banner's
// buttons go to the Full Disk Access model. GUI thread only.

#include <QWidget>

#include "models/Clock.h"
#include "screens/home/HomeModels.h"
#include "screens/home/HomeSnapshot.h"
#include "screens/smartscan/ScanTool.h"

namespace tidewell::screens {

class AccessBanner;
class HeroCard;
class HomeHeader;
class ReminderCard;
class ToolGrid;

class HomePage : public QWidget {
  Q_OBJECT
 public:
  HomePage(HomeModels models, ShowTool showTool, models::Clock clock, QWidget* parent = nullptr);

  HomeSnapshot snapshot() const;

 private:
  void refresh();

  HomeModels models_;
  ShowTool showTool_;
  models::Clock clock_;
  HomeHeader* header_;
  HeroCard* hero_;
  AccessBanner* banner_;
  ToolGrid* grid_;
  ReminderCard* reminder_;
};

}  // namespace tidewell::screens
