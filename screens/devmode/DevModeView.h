#pragma once
// The Dev Mode section's screen: finds the caches and build output that
// developer tools and AI apps leave behind, and the large AI model folders,
// through its model; lets the user pick by tool group and cleans the picks.
// It shows the page of the model's phase (the start page, the scan, the
// review of the rail and detail, the results of a clean) and hands the
// review and the results the model's values on every changed(); it turns
// their signals into the model's operations and drops their tasks. Its
// own state is the viewed rail group, which survives phase
// changes and rescans and falls back to the first group while the one it
// names is absent.
//
// The window owns the model and the services; the screen shares them. GUI
// thread only.

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "models/devmode/DevModeViewModel.h"
#include "screens/common/layout/PageHost.h"
#include "screens/common/services/ScreenServices.h"
#include "screens/devmode/DevModeRail.h"

namespace tidewell::screens {

class DevModeReviewPage;

// The pages of the Dev Mode section.
enum class DevModePage { start, scanning, review, results };

// The page a phase shows: the results while cleaning and when done.
DevModePage devModePageOf(models::DevModeViewModel::Phase phase);

class DevModeView : public PageHost {
  Q_OBJECT
 public:
  using RailGroup = screens::RailGroup;

  DevModeView(std::shared_ptr<models::DevModeViewModel> model, ScreenServices services,
              QWidget* parent = nullptr);

  // The rail of the model's lists now.
  std::vector<RailGroup> railGroups() const;
  // The group the detail shows: the one viewing names, else the first;
  // none for an empty rail.
  std::optional<RailGroup> viewedGroup() const;
  const std::optional<std::string>& viewing() const { return viewing_; }
  // What a tap on a rail row does.
  void view(const std::string& groupId);
  // page(): the page of the current phase, "idleView", "scanningView",
  // "reviewView" or "resultsView" (cleaning and done).

 private:
  void showPhase();
  QWidget* makePage(DevModePage page);
  DevModeReviewPage* makeReview();
  // Hands the review or the results the model's values now.
  void refreshPage();
  // The ids of the group viewed now (empty when none is).
  std::set<std::string> viewedIDs() const;

  std::shared_ptr<models::DevModeViewModel> model_;
  ScreenServices services_;
  std::optional<std::string> viewing_;
};

}  // namespace tidewell::screens
