#pragma once
// One line of the Performance screen's memory list: the application's icon
// and name, a bar comparing its footprint with the largest in the list, the
// footprint ("—" when unreadable), and "Quit", which becomes a small
// spinner while the application is being asked to quit. Built by the screen
// from plain values; "Quit" reports quitRequested() and the row changes
// nothing itself. Hovering tints the border in the accent. GUI thread
// only.

#include <memory>

#include "engine/performance/RunningApp.h"
#include "screens/common/layout/Surface.h"

class QHBoxLayout;

namespace tidewell::design {
class GradientBar;
class GhostPillButton;
}  // namespace tidewell::design

namespace tidewell::screens {

class AppIconProvider;
class AppIconView;
class Spinner;
class TextLabel;

class AppMemoryRow : public Surface {
  Q_OBJECT
 public:
  // maxBytes: the footprint that fills the bar (at least 1).
  AppMemoryRow(engine::RunningApp app, int64_t maxBytes, bool isBusy, std::shared_ptr<AppIconProvider> icons,
               QWidget* parent = nullptr);

  // The same row showing newer values of its application.
  void update(engine::RunningApp app, int64_t maxBytes, bool isBusy);

  const engine::RunningApp& app() const { return app_; }
  bool isBusy() const { return busy_; }
  double barFraction() const;

 Q_SIGNALS:
  void quitRequested();

 private:
  void showValues();
  void showHover(bool hovering);

  engine::RunningApp app_;
  int64_t maxBytes_;
  bool busy_;
  std::shared_ptr<AppIconProvider> icons_;

  QHBoxLayout* row_;
  AppIconView* icon_ = nullptr;
  TextLabel* name_;
  design::GradientBar* bar_;
  TextLabel* footprint_;
  design::GhostPillButton* quitButton_;
  QWidget* spinnerSlot_;
};

}  // namespace tidewell::screens
