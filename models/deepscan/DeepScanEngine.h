#pragma once
// What the Deep Scan model asks of the engine: the big-item scan with its
// progress, the installer and container scans, the folders the container
// tools manage, and the move of one item to the Trash. Production uses
// MachineDeepScanEngine; tests use scripted fakes.
//
// Called from worker threads, several calls at once: implementations are
// const and hold nothing but values. Nothing throws; an empty list means
// nothing was found.

#include <functional>
#include <string>
#include <vector>

#include "engine/deepscan/BigItem.h"
#include "engine/deepscan/BigItemScanner.h"

namespace tidewell::models {

class DeepScanEngine {
 public:
  // Called on the scanning thread with the fraction of candidates measured.
  using Progress = std::function<void(double fraction)>;

  virtual ~DeepScanEngine() = default;

  // Big files and folders, largest first.
  virtual std::vector<engine::BigItem> bigItems(const Progress& progress) const = 0;
  // Disk images and installer packages, largest first.
  virtual std::vector<engine::BigItem> installers() const = 0;
  // Container and virtual-machine disks, largest first.
  virtual std::vector<engine::BigItem> containers() const = 0;
  // The container tools' own folders, whose contents the container items
  // already stand for.
  virtual std::vector<std::string> managedPaths() const = 0;
  // Moves one item to the Trash, or refuses with success false and the
  // reason.
  virtual engine::BigItemScanner::TrashOutcome trash(const engine::BigItem& item) const = 0;
};

}  // namespace tidewell::models
