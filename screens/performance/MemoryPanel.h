#pragma once
// The Memory panel of the Performance screen: the gauge card (the percent
// in use, used of total, the bar and its footnote), the caption "Using the
// most memory" and one AppMemoryRow per running application, in the
// model's order, kept per process across refreshes. Built and refreshed by
// the screen from plain values; a row's "Quit" reports quitRequested(app).
// GUI thread only.

#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "design/accessibility/AccessibleTraits.h"
#include "engine/performance/RunningApp.h"
#include "screens/common/layout/KeyedWidgets.h"

namespace tidewell::design {
class GradientBar;
}

namespace tidewell::screens {

class AppIconProvider;
class AppMemoryRow;
class RowStack;
class TextLabel;

struct MemoryPanelValues {
  std::vector<engine::RunningApp> apps;  // most memory first
  int64_t memoryUsed = 0;
  int64_t memoryTotal = 1;
  double memoryFraction = 0;
  std::optional<int32_t> busyPID;
};

class MemoryPanel : public QWidget {
  Q_OBJECT
 public:
  explicit MemoryPanel(std::shared_ptr<AppIconProvider> icons, QWidget* parent = nullptr);

  void setValues(const MemoryPanelValues& values);
  // The rows, in order.
  QList<AppMemoryRow*> rows() const;

 Q_SIGNALS:
  void quitRequested(const engine::RunningApp& app);

 private:
  std::shared_ptr<AppIconProvider> icons_;
  TextLabel* percent_;
  TextLabel* usedOfTotal_;
  design::GradientBar* gauge_;
  // What the card shows over the bar, and the bar reads as.
  design::GaugeReading shown_;
  RowStack* stack_;
  KeyedWidgets<AppMemoryRow, int32_t> rows_;
};

}  // namespace tidewell::screens
