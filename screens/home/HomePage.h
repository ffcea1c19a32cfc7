#pragma once
// The Home page: the header, the hero card, the Full Disk Access banner
// (only while access is missing), the four tool tiles and the reminder
// row, in a scroll view. It redraws every figure from the snapshot it is
// given (the Home screen hands it a new one whenever the controller, and
// through it the four tool models, the Full Disk Access model, the theme
// engine or the settings change). "Scan My Mac", the banner's buttons and
// a tile are reported by signals. GUI thread only.

#include <QWidget>

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
  explicit HomePage(const HomeSnapshot& home, QWidget* parent = nullptr);

  void setHome(const HomeSnapshot& home);

 Q_SIGNALS:
  void scanClicked();
  // The Full Disk Access banner's "Open Settings" and "Reveal App".
  void openSettingsClicked();
  void revealAppClicked();
  // A tile: the window is asked for its tool's section.
  void toolRequested(tidewell::screens::ScanTool tool);

 private:
  HomeHeader* header_;
  HeroCard* hero_;
  AccessBanner* banner_;
  ToolGrid* grid_;
  ReminderCard* reminder_;
};

}  // namespace tidewell::screens
