#pragma once
// The production AdvisorEngine: AdvisorService over one copied context,
// whose tool paths name the real xcrun and tmutil (or, in tests, fake
// ones). Stateless beyond the context; callable from any thread.

#include "models/advisor/AdvisorEngine.h"
#include "platform/core/EngineContext.h"

namespace tidewell::models {

class MachineAdvisorEngine final : public AdvisorEngine {
 public:
  explicit MachineAdvisorEngine(platform::EngineContext ctx) : ctx_(std::move(ctx)) {}

  std::vector<engine::AdvisorService::SimRuntime> runtimes() const override;
  int unavailableSimulatorCount() const override;
  int localSnapshotCount() const override;
  int64_t dockerDiskBytes() const override;
  platform::Attempt deleteRuntime(const engine::AdvisorService::SimRuntime& runtime) const override;
  platform::Attempt deleteUnavailableSimulators() const override;
  platform::Attempt thinLocalSnapshots() const override;

 private:
  platform::EngineContext ctx_;
};

}  // namespace tidewell::models
