#include "screens/home/HomeSnapshot.h"

namespace tidewell::screens {

HomeSnapshot homeSnapshot(const HomeModels& m, base::TimePoint now) {
  using models::AdvisorViewModel;
  using models::CleanupViewModel;
  HomeSnapshot s;
  s.freeBytes = m.volume->freeBytes();
  s.totalBytes = m.volume->totalBytes();
  s.freeFraction = m.volume->freeFraction();
  s.health = m.theme->palette();
  s.totalFreedBytes = m.settings->totalFreedBytes();

  const CleanupViewModel& cleanup = *m.smartScan->cleanup();
  switch (cleanup.phase()) {
    case CleanupViewModel::Phase::review:
      s.cleanStage = CleanStage::review;
      break;
    case CleanupViewModel::Phase::done:
      s.cleanStage = CleanStage::done;
      break;
    default:
      s.cleanStage = CleanStage::other;
  }
  s.cleanFreedBytes = cleanup.freedBytes();
  s.cleanTotalBytes = cleanup.totalBytes();

  s.appCount = m.smartScan->apps()->apps().size();
  s.appsTotalBytes = m.smartScan->apps()->totalBytes();
  s.bigItemCount = m.smartScan->deepScan()->items().size();
  s.deepScanTotalBytes = m.smartScan->deepScan()->totalBytes();

  const AdvisorViewModel& advisor = *m.smartScan->advisor();
  s.advisorListed = advisor.phase() == AdvisorViewModel::Phase::list;
  s.advisorHasFindings = advisor.hasFindings();

  s.hasFullDiskAccess = m.permissions->hasFullDiskAccess();
  s.lastCleanupAt = m.settings->lastCleanupAt();
  s.now = now;
  return s;
}

}  // namespace tidewell::screens
