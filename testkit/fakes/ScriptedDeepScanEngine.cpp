#include "testkit/fakes/ScriptedDeepScanEngine.h"

namespace tidewell::testing {

engine::BigItem scriptedBigItem(const std::string& path, int64_t size, engine::BigItem::Kind kind) {
  engine::BigItem made;
  made.id = made.url = "/fixture/home/" + path;
  made.name = path.substr(path.rfind('/') + 1);
  made.location = "~/" + path.substr(0, path.rfind('/'));
  made.sizeBytes = size;
  made.kind = kind;
  return made;
}

void ScriptedDeepScanEngine::holdScanAt(double fraction) {
  holdAt_ = fraction;
  gate_ = std::make_shared<ScanGate>();
}

std::vector<engine::BigItem> ScriptedDeepScanEngine::bigItems(const Progress& progress) const {
  ++scans;
  lastProgress = progress;
  for (double step : reports) progress(step);
  if (holdAt_) {
    progress(*holdAt_);
    gate_->pass();
  }
  return big;
}

engine::BigItemScanner::TrashOutcome ScriptedDeepScanEngine::trash(const engine::BigItem& item) const {
  if (refused.count(item.id)) return {item.name, 0, false, refusedReason};
  trashed.push_back(item.id);
  trashedUrls.push_back(item.url);
  return {item.name, item.sizeBytes, true, std::nullopt};
}

}  // namespace tidewell::testing
