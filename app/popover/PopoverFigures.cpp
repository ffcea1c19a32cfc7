#include "app/popover/PopoverFigures.h"

#include "base/ByteCountText.h"

namespace tidewell::app {

namespace {
QString sizeText(int64_t bytes) { return QString::fromStdString(base::byteCountText(bytes < 0 ? 0 : bytes)); }
}  // namespace

double usedFraction(const VolumeFigures& figures) {
  if (figures.totalBytes < 1) return 0.0;
  return double(figures.totalBytes - figures.freeBytes) / double(figures.totalBytes);
}

design::ThemePalette popoverPalette(const VolumeFigures& figures) {
  const double freeFraction =
      figures.totalBytes < 1 ? 0.5 : double(figures.freeBytes) / double(figures.totalBytes);
  return design::ThemePalette::forFreeFraction(freeFraction);
}

design::GaugeReading usedPercentReading(double usedFraction) {
  // wholePercent floors; toward zero differs from that only below 0, which
  // a reading with more free than total space would give.
  const int percent =
      usedFraction < 0 ? -base::wholePercent(-usedFraction) : base::wholePercent(usedFraction);
  return {percent, QString::number(percent) + QLatin1Char('%')};
}

QString usedPercentText(double usedFraction) { return usedPercentReading(usedFraction).text; }

QString freeSizeText(const VolumeFigures& figures) { return sizeText(figures.freeBytes); }

QString freeOfTotalText(const VolumeFigures& figures) {
  return QStringLiteral("free of ") + sizeText(figures.totalBytes);
}

std::optional<QString> reclaimedBadgeText(int64_t totalFreedBytes) {
  if (totalFreedBytes < 1) return std::nullopt;
  return QStringLiteral("+") + sizeText(totalFreedBytes) + QStringLiteral(" reclaimed");
}

}  // namespace tidewell::app
