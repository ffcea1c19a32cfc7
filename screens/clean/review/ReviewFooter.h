#pragma once
// The bottom band of the review screen: the size and count of what is
// picked, the hint or the free space after cleaning, then "Back" and
// "Clean Up" (disabled and dimmed to 0.45 while nothing is picked). The
// screen hands it the texts; the buttons say backRequested and
// cleanRequested. Children "selectedSize", "pickedCount", "pickHint",
// "freeAfter", "backButton", "cleanUpButton". GUI thread only.

#include "screens/clean/rules/ReviewRules.h"
#include "screens/common/layout/FooterBar.h"

namespace tidewell::design {
class PillButton;
}

namespace tidewell::screens {

class AccentFigure;
class TextLabel;

class ReviewFooter : public FooterBar {
  Q_OBJECT
 public:
  explicit ReviewFooter(QWidget* parent = nullptr);

  void setContent(const FooterContent& content);
  design::PillButton* cleanUpButton() const { return cleanUp_; }

 Q_SIGNALS:
  void backRequested();
  void cleanRequested();

 private:
  TextLabel* size_;
  TextLabel* count_;
  TextLabel* hint_;
  AccentFigure* freeAfter_;
  design::PillButton* cleanUp_;
};

}  // namespace tidewell::screens
