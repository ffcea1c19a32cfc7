#include "screens/smartscan/SmartScanSnapshot.h"

#include "design/type/FileNameText.h"

namespace tidewell::screens {

SmartScanSnapshot smartScanSnapshot(const models::SmartScanController& controller, base::TimePoint now) {
  using models::AdvisorViewModel;
  using models::AppsViewModel;
  using models::DeepScanViewModel;
  SmartScanSnapshot s;
  s.phase = controller.phase();
  s.stopped = controller.stopped();
  s.statusLine = controller.statusLine();
  s.now = now;

  const models::CleanupViewModel& cleanup = *controller.cleanup();
  s.cleanFinished = controller.cleanupFinished();
  s.cleanProgress = cleanup.scanProgress();
  s.cleanTotalBytes = cleanup.totalBytes();
  if (!cleanup.items().empty()) {
    const engine::CleanupItem& first = cleanup.items().front();
    s.largestCleanItem = NamedSize{design::fileNameText(first.target.title), first.sizeBytes};
  }

  const AppsViewModel& apps = *controller.apps();
  s.appsFinished = apps.phase() == AppsViewModel::Phase::list;
  s.appsProgress = apps.scanProgress();
  for (const engine::InstalledApp& app : apps.apps()) s.appsLastUsed.push_back(app.lastUsed);

  const DeepScanViewModel& deepScan = *controller.deepScan();
  s.deepScanFinished = deepScan.phase() == DeepScanViewModel::Phase::list;
  s.deepScanProgress = deepScan.scanProgress();
  s.deepScanTotalBytes = deepScan.totalBytes();
  if (!deepScan.items().empty()) {
    const engine::BigItem& first = deepScan.items().front();
    s.largestBigItem = NamedSize{design::fileNameText(first.name), first.sizeBytes};
  }

  const AdvisorViewModel& advisor = *controller.advisor();
  s.advisorFinished = advisor.phase() == AdvisorViewModel::Phase::list;
  s.advisorRuntimeBytes = advisor.runtimeBytes();
  s.advisorHasFindings = advisor.hasFindings();
  return s;
}

}  // namespace tidewell::screens
