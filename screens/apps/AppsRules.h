#pragma once
// The Apps screen's texts that are built from figures: the summary line
// under the title and the banner that reports the last uninstall. Pure;
// any thread.

#include <QColor>
#include <QString>
#include <cstddef>
#include <cstdint>

#include "design/symbols/SymbolTable.h"
#include "engine/apps/UninstallResult.h"

namespace tidewell::screens {

// count + " apps · " + total + ". Deletes go to the Trash, undo anytime.";
// "apps" for every count, a negative total as zero bytes.
QString appsSummaryLine(size_t count, int64_t totalBytes);

struct UninstallBannerContent {
  bool succeeded = false;  // nothing failed to move
  design::SymbolName symbol{QString()};
  QColor tint;  // glow of the card and colour of the symbol
  QString title;
  QString detail;  // at most two lines on screen
};

UninstallBannerContent uninstallBannerContent(const engine::UninstallResult& result);

}  // namespace tidewell::screens
