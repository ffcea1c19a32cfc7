#pragma once
// The Clean section's page while the Clean model is cleaning or done:
// the cleaning ring while the cleanup runs, then the result (see
// ResultPanel), whose "Done" the page reports as doneClicked(). It shows
// the outcome it is given, once per turn of the event loop (a reset
// publishes several fields; the page goes when the model is back at idle,
// and keeps the result it shows until then). A new outcome gets a new
// result panel.
//
// objectName "cleanedPage"; children: see CleaningPanel and ResultPanel.
// GUI thread only.

#include <QWidget>
#include <optional>

#include "screens/clean/rules/CleanedRules.h"

class QStackedLayout;

namespace tidewell::screens {

class CleaningPanel;
class ResultPanel;

class CleanedPage : public QWidget {
  Q_OBJECT
 public:
  // idle: the model is back at idle, so the page is about to go.
  CleanedPage(const CleanedSnapshot& outcome, bool idle, QWidget* parent = nullptr);

  void setOutcome(const CleanedSnapshot& outcome, bool idle);

 Q_SIGNALS:
  void doneClicked();

 private:
  void refresh();

  QStackedLayout* pages_;
  CleaningPanel* cleaning_;
  ResultPanel* result_ = nullptr;
  // The outcome given last, and whether the model was idle then.
  CleanedSnapshot outcome_;
  bool idle_ = false;
  // The outcome the result panel shows.
  std::optional<CleanedSnapshot> shown_;
  bool refreshPending_ = false;
};

}  // namespace tidewell::screens
