#pragma once
// The one scripted Apps engine, for the Apps model and screen tests, the
// scenes and the renderers: it answers from its script and remembers what
// it was asked (and counts its scans), touching no file. Scans report the scripted fractions; leftovers come
// by bundle path; an uninstall moves everything unless its bundle path is listed as running (then nothing
// moves and the one refusal is reported) or has scripted failures (then the bundle moves and those items
// stay, each with failureReason).
//
// With a ManualExecutor every call runs on the GUI thread. A scan can also
// be held at a fraction (holdScanAt) to show a scanning state: the scan
// then reports that fraction and waits for release() on its worker
// thread, so it needs a threaded executor.

#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "models/apps/AppsEngine.h"

namespace tidewell::testing {

class ScriptedAppsEngine : public models::AppsEngine {
 public:
  std::vector<engine::InstalledApp> installed;
  std::vector<double> reports;
  std::map<std::string, std::vector<engine::LeftoverFile>> leftoversByUrl;
  std::set<std::string> runningUrls;
  // Items left behind by an uninstall that otherwise moves, by bundle path.
  std::map<std::string, std::vector<std::string>> failuresByUrl;
  // Why each scripted failure stayed.
  platform::FailureReason failureReason{platform::FailureReason::Kind::renameFailed, EACCES};

  mutable std::atomic<int> scans{0};
  mutable std::vector<std::string> lookedUp;
  mutable std::vector<engine::UninstallPlan> uninstalled;
  // The last scan's progress, kept to report late like a straggling worker
  // (read it once the scan is over).
  mutable Progress lastProgress;

  void holdScanAt(double fraction) {
    std::lock_guard lock(mutex_);
    hold_ = fraction;
    held_ = false;
    released_ = false;
  }
  // Waits until a held scan has reported its fraction.
  void waitUntilHeld() const {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return held_; });
  }
  void release() {
    std::lock_guard lock(mutex_);
    released_ = true;
    changed_.notify_all();
  }

  std::vector<engine::InstalledApp> scanApps(const Progress& progress) const override {
    ++scans;
    lastProgress = progress;
    for (double fraction : reports) progress(fraction);
    std::unique_lock lock(mutex_);
    if (hold_) {
      progress(*hold_);
      held_ = true;
      changed_.notify_all();
      changed_.wait(lock, [this] { return released_; });
    }
    return installed;
  }

  std::vector<engine::LeftoverFile> findLeftovers(const engine::InstalledApp& app) const override {
    lookedUp.push_back(app.url);
    auto found = leftoversByUrl.find(app.url);
    return found == leftoversByUrl.end() ? std::vector<engine::LeftoverFile>{} : found->second;
  }

  engine::UninstallResult uninstall(const engine::UninstallPlan& plan) const override {
    uninstalled.push_back(plan);
    using Failed = engine::UninstallResult::FailedItem;
    if (runningUrls.count(plan.app.url))
      return {
          plan.app.name,
          0,
          0,
          {Failed{plan.app.name + " is running. Quit it first.", {platform::FailureReason::Kind::running}}},
          false};
    if (auto failures = failuresByUrl.find(plan.app.url); failures != failuresByUrl.end()) {
      std::vector<Failed> failed;
      for (const std::string& name : failures->second) failed.push_back({name, failureReason});
      return {plan.app.name, int(1 + plan.leftovers.size() - failures->second.size()), plan.app.sizeBytes,
              std::move(failed), true};
    }
    return {plan.app.name, int(1 + plan.leftovers.size()), plan.totalBytes(), {}, true};
  }

 private:
  mutable std::mutex mutex_;
  mutable std::condition_variable changed_;
  std::optional<double> hold_;
  mutable bool held_ = false;
  bool released_ = false;
};

}  // namespace tidewell::testing
