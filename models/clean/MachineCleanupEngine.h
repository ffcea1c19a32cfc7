#pragma once
// The production CleanupEngine: the engine's own entry points over one
// context, copied at construction (the machine's for the application, a
// fixture's in integration tests). Holds nothing else, so any thread may
// call it.

#include "models/clean/CleanupEngine.h"
#include "platform/core/EngineContext.h"

namespace tidewell::models {

class MachineCleanupEngine final : public CleanupEngine {
 public:
  // The application passes platform::EngineContext::machine().
  explicit MachineCleanupEngine(platform::EngineContext context);

  std::vector<engine::CleanupTarget> catalog() const override;
  std::vector<engine::CleanupTarget> findBuildArtifacts() const override;
  std::optional<engine::CleanupItem> scan(const engine::CleanupTarget& target) const override;
  engine::DiskScanner::CleanResult clean(const engine::CleanupItem& item) const override;
  int64_t availableBytes() const override;
  std::vector<engine::AIModelStore> aiModels() const override;

 private:
  const platform::EngineContext context_;
};

}  // namespace tidewell::models
