#pragma once
// The list phase of the Performance screen: the header row (title, memory
// in use, the Memory | Startup picker, "Rescan"), the banner while the
// model has a message, and the chosen panel in a scroll view. Switching
// panels changes only the scroll area. It shows the values it is given
// (the Performance screen hands it new ones as the model changes) and
// reports every button by a signal; the chosen panel is its own state and
// starts on Memory. GUI thread only.

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "engine/performance/LoginItem.h"
#include "screens/common/views/MessageBanner.h"
#include "screens/performance/MemoryPanel.h"
#include "screens/performance/PerformanceRules.h"

namespace tidewell::design {
class ScreenHeader;
}

namespace tidewell::screens {

class AppIconProvider;
class SegmentedControl;
class StartupPanel;

class PerformanceListPage : public QWidget {
  Q_OBJECT
 public:
  explicit PerformanceListPage(std::shared_ptr<AppIconProvider> icons, QWidget* parent = nullptr);

  PerformancePanel panel() const { return panel_; }
  void setPanel(PerformancePanel panel);

  // The applications and the memory figures (also the header's line).
  void setMemory(const MemoryPanelValues& values);
  void setLoginItems(const std::vector<engine::LoginItem>& items);
  // The model's message; none: no banner.
  void setMessage(const std::optional<QString>& message);

  MemoryPanel* memoryPanel() const { return memory_; }
  StartupPanel* startupPanel() const { return startup_; }
  // The banner while there is a message; nullptr otherwise.
  ResultBanner* banner() const { return banner_->banner(); }

 Q_SIGNALS:
  void rescanClicked();
  // A memory row's "Quit".
  void quitRequested(const engine::RunningApp& app);
  // A login item's "Reveal", and "Open Login Items Settings".
  void revealRequested(const engine::LoginItem& item);
  void openSettingsClicked();
  void messageDismissed();

 private:
  PerformancePanel panel_ = PerformancePanel::memory;

  design::ScreenHeader* header_;
  SegmentedControl* picker_;
  MessageBanner* banner_;
  MemoryPanel* memory_;
  StartupPanel* startup_;
};

}  // namespace tidewell::screens
