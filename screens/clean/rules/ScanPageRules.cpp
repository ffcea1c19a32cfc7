#include "screens/clean/rules/ScanPageRules.h"

#include "screens/common/Formatting.h"

namespace tidewell::screens {

ScanPageContent scanPageContent(const ScanPageSnapshot& snapshot) {
  ScanPageContent texts;
  texts.showsRing = snapshot.scanning;
  texts.percent = design::percentReading(snapshot.scanProgress);
  texts.tagline = snapshot.scanning
                      ? QStringLiteral("Just looking. Nothing gets deleted.")
                      : QStringLiteral("Finds junk your Mac can rebuild. You choose what goes.");
  if (!snapshot.scanning && snapshot.totalFreedBytes >= 1)
    texts.freedLine = QStringLiteral("+") + bytesText(snapshot.totalFreedBytes) + QStringLiteral(" so far");
  return texts;
}

}  // namespace tidewell::screens
