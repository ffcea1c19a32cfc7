#pragma once
// The list phase of the Advisor screen, in a scroll view: the summary (the
// headline, the note, "Rescan"), the banner while the model has a message,
// then the grid of finding cards, or the all-good card when nothing was
// found. Follows the model until another phase's page replaces it. A
// runtime's "Delete…" does not delete: it reports deleteRequested(runtime)
// to the screen, which asks first. GUI thread only.

#include <QWidget>
#include <memory>

#include "models/Clock.h"
#include "models/advisor/AdvisorViewModel.h"
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
  AdvisorListPage(std::shared_ptr<models::AdvisorViewModel> model, models::Clock clock,
                  QWidget* parent = nullptr);

  // The banner while there is a message; nullptr otherwise.
  ResultBanner* banner() const { return banner_->banner(); }

 Q_SIGNALS:
  void deleteRequested(const engine::AdvisorService::SimRuntime& runtime);

 private:
  void showFindings();
  AdvisorFindingCard* makeCard(AdvisorCard card, const AdvisorFindingsSnapshot& snapshot);
  void updateCard(AdvisorFindingCard* card, const AdvisorFindingsSnapshot& snapshot);

  std::shared_ptr<models::AdvisorViewModel> model_;
  models::Clock clock_;

  TextLabel* headline_;
  MessageBanner* banner_;
  AdaptiveGrid* grid_;
  AdvisorAllGoodCard* allGood_;
  KeyedWidgets<AdvisorFindingCard, int> cards_;
};

}  // namespace tidewell::screens
