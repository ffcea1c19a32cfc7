#include "models/ManualExecutor.h"

namespace tidewell::models {

bool ManualExecutor::runJob(std::size_t index) {
  if (index >= jobs_.size()) return false;
  auto job = std::move(jobs_[index]);
  jobs_.erase(jobs_.begin() + static_cast<std::ptrdiff_t>(index));
  job();
  return true;
}

std::size_t ManualExecutor::runAll() {
  std::size_t ran = 0;
  while (runJob(0)) ++ran;
  return ran;
}

void ManualExecutor::post(std::function<void()> work) { jobs_.push_back(std::move(work)); }

}  // namespace tidewell::models
