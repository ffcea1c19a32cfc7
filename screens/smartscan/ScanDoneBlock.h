#pragma once
// What follows the tool cards once a Smart Scan is done: the insights
// panel (at most 480 wide, only when there is something to say), then the
// "Home" button ("homeButton") and, when one tool has something to review,
// the button that opens it ("reviewButton"). Shows plain values and
// reports the buttons. A reader hears it as an alert when it comes into
// view: the done headline and what the ring says was found. GUI thread
// only.

#include <QWidget>
#include <optional>

#include "screens/smartscan/SmartScanRules.h"

class QHBoxLayout;

namespace tidewell::design {
class GhostPillButton;
class PillButton;
}  // namespace tidewell::design

namespace tidewell::screens {

class InsightsPanel;
class WidthCap;

class ScanDoneBlock : public QWidget {
  Q_OBJECT
 public:
  explicit ScanDoneBlock(QWidget* parent = nullptr);

  void setScan(const SmartScanSnapshot& scan);
  const std::optional<ReviewAction>& review() const { return review_; }

 Q_SIGNALS:
  void homeClicked();
  // The review button: the tool it opens.
  void reviewClicked(ScanTool tool);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QString headline_;
  QString found_;
  InsightsPanel* insights_;
  WidthCap* insightsCap_;
  design::GhostPillButton* home_;
  design::PillButton* reviewButton_;
  std::optional<ReviewAction> review_;
};

}  // namespace tidewell::screens
