#pragma once
// What the Dev Mode screen shows while the picked items are cleaned and
// after: the seal, "Cleaning…" or "Freed " and the size, and once done a
// line naming the items a clean left (when any) and "Done". Plain values
// in, doneClicked() out. GUI thread only.

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

namespace tidewell::design {
class PillButton;
}

namespace tidewell::screens {

class TextLabel;
class WidthCap;

class DevModeResultsPage : public QWidget {
  Q_OBJECT
 public:
  explicit DevModeResultsPage(QWidget* parent = nullptr);

  // The cleaning under way, or its outcome.
  void setOutcome(bool cleaning, int64_t freedBytes, const std::vector<std::string>& failedTitles);

 Q_SIGNALS:
  void doneClicked();

 private:
  TextLabel* title_;
  TextLabel* leftBehind_;
  WidthCap* leftBehindBox_;
  design::PillButton* done_;
};

}  // namespace tidewell::screens
