#pragma once
// One finding card of the Advisor grid: a glow card whose header holds the
// icon tile, the title over the blurb and, on the runtimes card, the total
// size; under it the card's content (the runtime list, an action row, or
// nothing). Its kind is its key. GUI thread only.

#include "design/components/GlowCard.h"
#include "screens/advisor/AdvisorRules.h"

namespace tidewell::screens {

class SymbolView;
class TextLabel;

class AdvisorFindingCard : public design::GlowCard {
  Q_OBJECT
 public:
  // content: owned by the card; nullptr for none.
  AdvisorFindingCard(AdvisorCard kind, const AdvisorCardHeader& header, QWidget* content,
                     QWidget* parent = nullptr);

  AdvisorCard kind() const { return kind_; }
  void setHeader(const AdvisorCardHeader& header);
  QWidget* body() const { return body_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  AdvisorCard kind_;
  SymbolView* symbol_;
  TextLabel* title_;
  TextLabel* blurb_;
  TextLabel* size_;
  QWidget* body_;
};

}  // namespace tidewell::screens
