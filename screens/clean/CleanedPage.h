#pragma once
// The Clean section's page while the Clean model is cleaning or done:
// the cleaning ring while the cleanup runs, then the result (see
// ResultPanel), whose "Done" returns the model to idle. It only reads the
// model and follows its changes, once per turn of the event loop (a reset
// publishes several fields; the page goes when the phase is idle, and
// keeps the result it shows until then). A new outcome gets a new result
// panel.
//
// The window owns the model; the page shares it. objectName
// "cleanedPage"; children: see CleaningPanel and ResultPanel. GUI thread
// only.

#include <QWidget>
#include <memory>

#include "screens/clean/rules/CleanedRules.h"

class QStackedLayout;

namespace tidewell::models {
class CleanupViewModel;
}

namespace tidewell::screens {

class CleaningPanel;
class ResultPanel;

class CleanedPage : public QWidget {
  Q_OBJECT
 public:
  explicit CleanedPage(std::shared_ptr<models::CleanupViewModel> model, QWidget* parent = nullptr);

  // The model's outcome, as the rules take it.
  CleanedSnapshot snapshot() const;

 private:
  void scheduleRefresh();
  void refresh();

  std::shared_ptr<models::CleanupViewModel> model_;
  QStackedLayout* pages_;
  CleaningPanel* cleaning_;
  ResultPanel* result_ = nullptr;
  // The outcome the result panel shows.
  std::optional<CleanedSnapshot> shown_;
  bool refreshPending_ = false;
};

}  // namespace tidewell::screens
