#pragma once
// The runtimes card's content: one RuntimeRow per runtime, in the model's
// order (largest first), 8 apart, kept per runtime id across changes.
// "Delete…" of a row reports deleteRequested(runtime). GUI thread only.

#include <QWidget>
#include <chrono>
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
  explicit RuntimeList(QWidget* parent = nullptr);

  // busyAction: the model's action running now.
  void setRuntimes(const std::vector<engine::AdvisorService::SimRuntime>& runtimes,
                   const std::optional<QString>& busyAction, std::chrono::system_clock::time_point now);
  QList<RuntimeRow*> rows() const;

 Q_SIGNALS:
  void deleteRequested(const engine::AdvisorService::SimRuntime& runtime);

 private:
  RowStack* stack_;
  KeyedWidgets<RuntimeRow, std::string> rows_;
};

}  // namespace tidewell::screens
