#include "screens/clean/rules/ScanPageRules.h"

#include "screens/common/Formatting.h"

namespace tidewell::screens {

ScanPageContent scanPageContent(const ScanPageSnapshot& snapshot) {
  ScanPageContent content;
  content.showsRing = snapshot.scanning;
  content.percent = design::percentReading(snapshot.scanProgress);
  content.tagline = snapshot.scanning
                        ? QStringLiteral("Just looking. Nothing gets deleted.")
                        : QStringLiteral("Finds junk your Mac can rebuild. You choose what goes.");
  if (!snapshot.scanning && snapshot.totalFreedBytes >= 1)
    content.freedLine = QStringLiteral("+") + bytesText(snapshot.totalFreedBytes) + QStringLiteral(" so far");
  return content;
}

}  // namespace tidewell::screens
