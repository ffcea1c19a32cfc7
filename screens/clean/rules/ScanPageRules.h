#pragma once
// What the Clean start page shows, decided from a copy of what it reads:
// the model's phase and scan progress and the running total of freed
// bytes. Pure.

#include <QString>
#include <cstdint>
#include <optional>

#include "design/accessibility/AccessibleTraits.h"

namespace tidewell::screens {

struct ScanPageSnapshot {
  bool scanning = false;
  double scanProgress = 0;
  int64_t totalFreedBytes = 0;  // the "totalFreedBytes" setting
};

struct ScanPageContent {
  // The progress ring instead of the start button.
  bool showsRing = false;
  // The ring's percentage, which the ring also reads as: whole percent,
  // truncated ("99%" at 0.999).
  design::GaugeReading percent;
  QString tagline;
  // "+1.2 GB so far": only outside a scan and once something was freed.
  std::optional<QString> freedLine;
};

ScanPageContent scanPageContent(const ScanPageSnapshot& snapshot);

}  // namespace tidewell::screens
