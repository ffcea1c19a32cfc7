#include "screens/home/HomeRules.h"

#include <chrono>
#include <cmath>

#include "screens/common/Formatting.h"

namespace tidewell::screens {

namespace {

constexpr double kSecondsPerDay = 86'400;
// 100 years of 365.25 days.
constexpr double kHundredYears = 100 * 365.25 * kSecondsPerDay;

double secondsSince1970(base::TimePoint t) {
  return std::chrono::duration<double>(t.time_since_epoch()).count();
}

base::TimePoint timeAt(double secondsSince1970) {
  return base::TimePoint(
      std::chrono::duration_cast<base::TimePoint::duration>(std::chrono::duration<double>(secondsSince1970)));
}

}  // namespace

double usedFraction(const HomeSnapshot& home) { return 1.0 - home.freeFraction; }

design::GaugeReading usedPercentReading(const HomeSnapshot& home) {
  return design::percentReading(usedFraction(home));
}

QString usedPercentText(const HomeSnapshot& home) { return usedPercentReading(home).text; }

QString usedBytesText(const HomeSnapshot& home) { return bytesText(home.totalBytes - home.freeBytes); }

QString totalBytesText(const HomeSnapshot& home) { return bytesText(home.totalBytes); }

WonBackLine wonBackLine(int64_t totalFreedBytes) {
  if (totalFreedBytes < 1) return {QStringLiteral("First scan = first win. Try it."), false};
  return {bytesText(totalFreedBytes) + QStringLiteral(" won back with Tidewell Mac"), true};
}

bool showsReadyToReview(const HomeSnapshot& home) {
  return home.cleanStage == CleanStage::review && home.cleanTotalBytes > 0;
}

QString readyToReviewText(const HomeSnapshot& home) { return bytesText(home.cleanTotalBytes); }

bool showsAccessBanner(const HomeSnapshot& home) { return !home.hasFullDiskAccess; }

QString homeTileSubtitle(ScanTool tool) {
  switch (tool) {
    case ScanTool::clean:
      return QStringLiteral("Junk your Mac\ncan rebuild");
    case ScanTool::apps:
      return QStringLiteral("Delete apps\n+ their leftovers");
    case ScanTool::deepScan:
      return QStringLiteral("Find what's\nactually big");
    case ScanTool::advisor:
      break;
  }
  return QStringLiteral("Pro cleanups,\ndone for you");
}

QString cleanupStatus(const HomeSnapshot& home) {
  switch (home.cleanStage) {
    case CleanStage::done:
      return bytesText(home.cleanFreedBytes) + QStringLiteral(" freed");
    case CleanStage::review:
      return bytesText(home.cleanTotalBytes) + QStringLiteral(" found");
    case CleanStage::other:
      break;
  }
  return QStringLiteral("Scan Now");
}

QString appsStatus(const HomeSnapshot& home) {
  if (home.appCount == 0) return QStringLiteral("See Your Apps");
  return QString::number(home.appCount) + QStringLiteral(" apps \u00B7 ") + bytesText(home.appsTotalBytes);
}

QString deepScanStatus(const HomeSnapshot& home) {
  if (home.bigItemCount == 0) return QStringLiteral("Find the Big Stuff");
  return bytesText(home.deepScanTotalBytes) + QStringLiteral(" in big items");
}

QString advisorStatus(const HomeSnapshot& home) {
  if (!home.advisorListed) return QStringLiteral("Free Wins");
  return home.advisorHasFindings ? QStringLiteral("Wins available") : QStringLiteral("All clear");
}

QString tileStatus(const HomeSnapshot& home, ScanTool tool) {
  switch (tool) {
    case ScanTool::clean:
      return cleanupStatus(home);
    case ScanTool::apps:
      return appsStatus(home);
    case ScanTool::deepScan:
      return deepScanStatus(home);
    case ScanTool::advisor:
      break;
  }
  return advisorStatus(home);
}

std::optional<double> validLastCleanup(std::optional<double> stored, base::TimePoint now) {
  if (!stored || !std::isfinite(*stored) || !(*stored > 0)) return std::nullopt;
  if (std::abs(*stored - secondsSince1970(now)) > kHundredYears) return std::nullopt;
  return stored;
}

QString lastCleanupText(std::optional<double> stored, base::TimePoint now) {
  const std::optional<double> at = validLastCleanup(stored, now);
  if (!at) return QStringLiteral("No cleanups yet");
  return QStringLiteral("Last cleanup: ") +
         QString::fromStdString(base::relativeDateTimeText(timeAt(*at), now));
}

QString scanReminderText(std::optional<double> stored, base::TimePoint now) {
  const std::optional<double> at = validLastCleanup(stored, now);
  if (!at) return QStringLiteral("Run your first scan today");
  // Both lie within a century of each other, so the whole seconds fit.
  const auto elapsed = int64_t(std::trunc(secondsSince1970(now) - *at));
  if (elapsed >= 259'200) return QStringLiteral("A fresh scan is due");
  const int64_t days = 3 - elapsed / int64_t(kSecondsPerDay);
  return QStringLiteral("Next scan in about ") + QString::number(days) + QStringLiteral(" day") +
         (days == 1 ? QString() : QStringLiteral("s"));
}

}  // namespace tidewell::screens
