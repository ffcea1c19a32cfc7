#pragma once
// The screen of the Home section: the Home page while Smart Scan is idle,
// and the Smart Scan screen in its place while the controller runs or
// shows its result; "Home" on that screen (the controller back to idle)
// brings the page back. The page fades in over 0.35 s, the Smart Scan
// screen over 0.45 s (standing at once under reduce motion).
//
// It owns no model: the window hands it the controller and the rest
// (HomeModels) and the way to show a tool's section; a tile or a Smart
// Scan card asks for that. GUI thread only.

#include "models/Clock.h"
#include "screens/common/layout/PageHost.h"
#include "screens/home/HomeModels.h"
#include "screens/smartscan/ScanTool.h"

namespace tidewell::screens {

inline constexpr double kHomeReturnSeconds = 0.35;

class HomeView : public PageHost {
  Q_OBJECT
 public:
  // clock: "now" for the reminder row and the apps' ages.
  HomeView(HomeModels models, ShowTool showTool, models::Clock clock = models::Clock::system(),
           QWidget* parent = nullptr);

  // The Home page ("homePage") or the Smart Scan screen ("smartScanView").
  QWidget* body() const { return page(); }

 private:
  void showPage();

  HomeModels models_;
  ShowTool showTool_;
  models::Clock clock_;
};

}  // namespace tidewell::screens
