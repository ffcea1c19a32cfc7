#pragma once
// The list phase of the Performance screen: the header row (title, memory
// in use, the Memory | Startup picker, "Rescan"), the banner while the
// model has a message, and the chosen panel in a scroll view. Switching
// panels changes only the scroll area. Follows the model until it is
// replaced by another phase's page; the chosen panel is its own state and
// starts on Memory. GUI thread only.

#include <QWidget>
#include <memory>

#include "models/performance/PerformanceViewModel.h"
#include "screens/common/services/ScreenServices.h"
#include "screens/common/views/MessageBanner.h"
#include "screens/performance/PerformanceRules.h"

namespace tidewell::design {
class ScreenHeader;
}

namespace tidewell::screens {

class MemoryPanel;

class SegmentedControl;
class StartupPanel;

class PerformanceListPage : public QWidget {
  Q_OBJECT
 public:
  // loginItemsFolder: what "Open Login Items Settings" reveals.
  PerformanceListPage(std::shared_ptr<models::PerformanceViewModel> model, ScreenServices services,
                      QString loginItemsFolder, QWidget* parent = nullptr);

  PerformancePanel panel() const { return panel_; }
  void setPanel(PerformancePanel panel);

  MemoryPanel* memoryPanel() const { return memory_; }
  StartupPanel* startupPanel() const { return startup_; }
  // The banner while there is a message; nullptr otherwise.
  ResultBanner* banner() const { return banner_->banner(); }

 private:
  void showMemory();

  std::shared_ptr<models::PerformanceViewModel> model_;
  ScreenServices services_;
  QString loginItemsFolder_;
  PerformancePanel panel_ = PerformancePanel::memory;

  design::ScreenHeader* header_;
  SegmentedControl* picker_;
  MessageBanner* banner_;
  MemoryPanel* memory_;
  StartupPanel* startup_;
};

}  // namespace tidewell::screens
