#pragma once
// The list phase of the Advisor screen, in a scroll view: the summary (the
// headline, the note, "Rescan"), the banner while the model has a message,
// then the grid of finding cards, or the all-good card when nothing was
// found. It shows the findings and the message it is given (the Advisor
// screen hands it new ones as the model changes) and reports every button
// by a signal. A runtime's "Delete…" does not delete: it reports
// deleteRequested(runtime) to the screen, which asks first. GUI thread
// only.

#include <QWidget>
#include <optional>

#include "base/LocalTime.h"
#include "screens/advisor/AdvisorRules.h"
#include "screens/common/layout/KeyedWidgets.h"
#include "screens/common/views/MessageBanner.h"

namespace tidewell::screens {

class AdaptiveGrid;
class AdvisorAllGoodCard;
class AdvisorFindingCard;

class TextLabel;

class AdvisorListPage : public QWidget {
  Q_OBJECT
 public:
  explicit AdvisorListPage(QWidget* parent = nullptr);

  // The findings, the action running (none: none is), and "now" for the
  // runtimes' last use.
  void setFindings(const AdvisorFindingsSnapshot& snapshot, const std::optional<QString>& busyAction,
                   base::TimePoint now);
  // The model's message; none: no banner.
  void setMessage(const std::optional<QString>& message);

  // The banner while there is a message; nullptr otherwise.
  ResultBanner* banner() const { return banner_->banner(); }

 Q_SIGNALS:
  void rescanClicked();
  void deleteRequested(const engine::AdvisorService::SimRuntime& runtime);
  // The bulk actions' buttons: "Remove All" and "Thin Snapshots".
  void removeUnavailableRequested();
  void thinSnapshotsRequested();
  void messageDismissed();

 private:
  AdvisorFindingCard* makeCard(AdvisorCard card);
  void updateCard(AdvisorFindingCard* card);

  AdvisorFindingsSnapshot snapshot_;
  std::optional<QString> busy_;
  base::TimePoint now_{};

  TextLabel* headline_;
  MessageBanner* banner_;
  AdaptiveGrid* grid_;
  AdvisorAllGoodCard* allGood_;
  KeyedWidgets<AdvisorFindingCard, int> cards_;
};

}  // namespace tidewell::screens
