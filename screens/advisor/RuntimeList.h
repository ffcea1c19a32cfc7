#pragma once
// The runtimes card's content: one RuntimeRow per runtime, in the model's
// order (largest first), 8 apart, kept per runtime id across changes.
// "Delete…" of a row runs the closure given with that row's runtime. GUI
// thread only.

#include <QWidget>
#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "engine/advisor/AdvisorService.h"
#include "screens/common/layout/KeyedWidgets.h"

namespace tidewell::screens {

class RowStack;
class RuntimeRow;

class RuntimeList : public QWidget {
  Q_OBJECT
 public:
  using RequestDelete = std::function<void(const engine::AdvisorService::SimRuntime&)>;

  explicit RuntimeList(RequestDelete requestDelete, QWidget* parent = nullptr);

  // busyAction: the model's action running now.
  void setRuntimes(const std::vector<engine::AdvisorService::SimRuntime>& runtimes,
                   const std::optional<QString>& busyAction, std::chrono::system_clock::time_point now);
  QList<RuntimeRow*> rows() const;

 private:
  RequestDelete requestDelete_;
  RowStack* stack_;
  KeyedWidgets<RuntimeRow, std::string> rows_;
};

}  // namespace tidewell::screens
