#pragma once
// One installed Simulator runtime in the runtimes card: its name, build and
// size with "Delete…" (a spinner while this runtime is being deleted;
// disabled while another action runs or when the tool would not delete
// it), over its usage (wrapping in a narrow card) and, when known, its
// last use. Built by the screen from plain values; "Delete…" reports
// deleteRequested() (the screen asks first). GUI thread only.

#include <chrono>

#include "engine/advisor/AdvisorService.h"
#include "screens/advisor/AdvisorRules.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::screens {

class AdvisorActionControlView;
class TextLabel;

class RuntimeRow : public Surface {
  Q_OBJECT
 public:
  using Now = std::chrono::system_clock::time_point;

  RuntimeRow(engine::AdvisorService::SimRuntime runtime, AdvisorActionControl control, Now now,
             QWidget* parent = nullptr);

  void update(engine::AdvisorService::SimRuntime runtime, AdvisorActionControl control, Now now);

  const engine::AdvisorService::SimRuntime& runtime() const { return runtime_; }
  AdvisorActionControlView* control() const { return control_; }

 Q_SIGNALS:
  void deleteRequested();

 private:
  void showValues(Now now);

  engine::AdvisorService::SimRuntime runtime_;
  TextLabel* name_;
  TextLabel* build_;
  TextLabel* size_;
  AdvisorActionControlView* control_;
  TextLabel* usage_;
  TextLabel* separator_;
  TextLabel* lastUsed_;
};

}  // namespace tidewell::screens
