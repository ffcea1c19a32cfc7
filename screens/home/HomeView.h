#pragma once
// The screen of the Home section: the Home page while Smart Scan is idle,
// and the Smart Scan screen in its place while the controller runs or
// shows its result; "Home" on that screen (the controller back to idle)
// brings the page back. The page fades in over 0.35 s, the Smart Scan
// screen over 0.45 s (standing at once under reduce motion).
//
// It owns no model: the window hands it the controller and the rest
// (HomeModels). A tile or a Smart Scan card asks for its tool's section
// with toolRequested(tool). GUI thread only.

#include <memory>

#include "models/Clock.h"
#include "screens/common/layout/PageHost.h"
#include "screens/home/HomeModels.h"
#include "screens/smartscan/ScanTool.h"

namespace tidewell::screens {

class HomePage;
class SmartScanPage;

inline constexpr double kHomeReturnSeconds = 0.35;

// The pages of the Home section.
enum class HomeViewPage { home, smartScan };

// The page a Smart Scan phase shows: Home while idle, else the scan.
HomeViewPage homeViewPageOf(models::SmartScanController::Phase phase);

// Each page as the screen shows it: made from the models' values, given
// new ones as they change, its buttons run the controller's and the Full
// Disk Access model's operations; the clock gives "now" for the reminder
// row and the apps' ages. A request for a tool's section stays the page's
// signal.
HomePage* makeHomePage(const HomeModels& models, const models::Clock& clock);
SmartScanPage* makeSmartScanPage(const std::shared_ptr<models::SmartScanController>& controller,
                                 const models::Clock& clock);

class HomeView : public PageHost {
  Q_OBJECT
 public:
  explicit HomeView(HomeModels models, models::Clock clock = models::Clock::system(),
                    QWidget* parent = nullptr);

  // The Home page ("homePage") or the Smart Scan screen ("smartScanView").
  QWidget* body() const { return page(); }

 Q_SIGNALS:
  void toolRequested(tidewell::screens::ScanTool tool);

 private:
  void showPage();

  HomeModels models_;
  models::Clock clock_;
};

}  // namespace tidewell::screens
