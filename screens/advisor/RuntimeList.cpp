#include "screens/advisor/RuntimeList.h"

#include <QVBoxLayout>

#include "screens/advisor/AdvisorRules.h"
#include "screens/advisor/RuntimeRow.h"
#include "screens/common/layout/RowStack.h"

namespace tidewell::screens {

using engine::AdvisorService;

RuntimeList::RuntimeList(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("runtimeList"));
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(0, 0, 0, 0);
  stack_ = new RowStack(8);
  fill->addWidget(stack_);
}

void RuntimeList::setRuntimes(const std::vector<AdvisorService::SimRuntime>& runtimes,
                              const std::optional<QString>& busyAction,
                              std::chrono::system_clock::time_point now) {
  auto control = [&](const AdvisorService::SimRuntime& r) {
    return advisorActionControl(busyAction, QString::fromStdString(r.id), r.deletable);
  };
  const QList<RuntimeRow*> rows = rows_.sync(
      runtimes, [](const AdvisorService::SimRuntime& r) { return r.id; },
      [&](const AdvisorService::SimRuntime& r) {
        auto* row = new RuntimeRow(r, control(r), now);
        connect(row, &RuntimeRow::deleteRequested, this, [this, row] {
          // A copy of the row's latest runtime: the request may remove the row.
          const AdvisorService::SimRuntime shown = row->runtime();
          Q_EMIT deleteRequested(shown);
        });
        return row;
      },
      [&](RuntimeRow* row, const AdvisorService::SimRuntime& r) { row->update(r, control(r), now); });
  stack_->setRows(rows);
}

QList<RuntimeRow*> RuntimeList::rows() const { return stack_->rows<RuntimeRow>(); }

}  // namespace tidewell::screens
