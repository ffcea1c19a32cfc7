#include "screens/smartscan/SmartScanRules.h"

#include <limits>

#include "screens/common/Formatting.h"

namespace tidewell::screens {

using namespace design::literals;
using Phase = SmartScanPhase;

std::optional<ScanTool> currentTool(SmartScanPhase phase) {
  switch (phase) {
    case Phase::clean:
      return ScanTool::clean;
    case Phase::apps:
      return ScanTool::apps;
    case Phase::deepScan:
      return ScanTool::deepScan;
    case Phase::advisor:
      return ScanTool::advisor;
    case Phase::idle:
    case Phase::done:
      break;
  }
  return std::nullopt;
}

bool isRunning(SmartScanPhase phase) { return phase != Phase::idle && phase != Phase::done; }

bool isFinished(const SmartScanSnapshot& scan, ScanTool tool) {
  switch (tool) {
    case ScanTool::clean:
      return scan.cleanFinished;
    case ScanTool::apps:
      return scan.appsFinished;
    case ScanTool::deepScan:
      return scan.deepScanFinished;
    case ScanTool::advisor:
      break;
  }
  return scan.advisorFinished;
}

double toolProgress(const SmartScanSnapshot& scan, ScanTool tool) {
  switch (tool) {
    case ScanTool::clean:
      return scan.cleanProgress;
    case ScanTool::apps:
      return scan.appsProgress;
    case ScanTool::deepScan:
      return scan.deepScanProgress;
    case ScanTool::advisor:
      break;
  }
  return 0;
}

double overallProgress(const SmartScanSnapshot& scan) {
  const std::optional<ScanTool> current = currentTool(scan.phase);
  double sum = 0;
  for (ScanTool tool : allScanTools) {
    if (isFinished(scan, tool))
      sum += 1;
    else if (current == tool)
      sum += toolProgress(scan, tool);
  }
  return sum * 0.25;
}

design::GaugeReading overallProgressReading(const SmartScanSnapshot& scan) {
  return design::percentReading(overallProgress(scan));
}

QString overallProgressText(const SmartScanSnapshot& scan) { return overallProgressReading(scan).text; }

std::vector<ScanRingSegment> scanSegments(const SmartScanSnapshot& scan) {
  const std::optional<ScanTool> current = currentTool(scan.phase);
  std::vector<ScanRingSegment> segments;
  for (ScanTool tool : allScanTools) {
    ScanRingSegment segment;
    segment.color = scanToolPalette(tool).primary;
    segment.fill = isFinished(scan, tool) ? 1.0 : current == tool ? toolProgress(scan, tool) : 0.0;
    segment.warming = tool == ScanTool::advisor && scan.phase == Phase::advisor;
    segments.push_back(segment);
  }
  return segments;
}

ToolCardStatus toolStatus(const SmartScanSnapshot& scan, ScanTool tool) {
  if (currentTool(scan.phase) == tool) return ToolCardStatus::active();
  if (isFinished(scan, tool)) return ToolCardStatus::done(doneText(scan, tool));
  if (scan.phase == Phase::done) return ToolCardStatus::skipped();
  return ToolCardStatus::waiting();
}

QString doneText(const SmartScanSnapshot& scan, ScanTool tool) {
  switch (tool) {
    case ScanTool::clean:
      return scan.cleanTotalBytes < 1 ? QStringLiteral("Spotless") : bytesText(scan.cleanTotalBytes);
    case ScanTool::apps:
      return QString::number(scan.appsLastUsed.size()) + QStringLiteral(" apps");
    case ScanTool::deepScan:
      return scan.deepScanTotalBytes < 1 ? QStringLiteral("Tidy") : bytesText(scan.deepScanTotalBytes);
    case ScanTool::advisor:
      break;
  }
  if (scan.advisorRuntimeBytes >= 1) return bytesText(scan.advisorRuntimeBytes);
  return scan.advisorHasFindings ? QStringLiteral("Wins found") : QStringLiteral("All clear");
}

bool opensTool(const SmartScanSnapshot& scan, ScanTool tool) {
  return scan.phase == Phase::done && isFinished(scan, tool);
}

int64_t foundTotal(const SmartScanSnapshot& scan) {
  int64_t total = 0;
  for (int64_t bytes : {scan.cleanTotalBytes, scan.deepScanTotalBytes, scan.advisorRuntimeBytes})
    if (__builtin_add_overflow(total, bytes, &total))
      total = bytes > 0 ? std::numeric_limits<int64_t>::max() : std::numeric_limits<int64_t>::min();
  return total;
}

QString runningHeadline(SmartScanPhase phase) {
  switch (phase) {
    case Phase::clean:
      return QStringLiteral("Looking for junk\u2026");
    case Phase::apps:
      return QStringLiteral("Reading your apps\u2026");
    case Phase::deepScan:
      return QStringLiteral("Sizing up big items\u2026");
    case Phase::advisor:
      return QStringLiteral("Checking expert wins\u2026");
    case Phase::idle:
    case Phase::done:
      break;
  }
  return {};
}

QString doneHeadline(bool stopped) {
  return stopped ? QStringLiteral("Scan stopped") : QStringLiteral("All scanned.");
}

QString doneSubline() { return QStringLiteral("Nothing deleted yet. Tap a tool to dig in."); }

QString scanHeadline(const SmartScanSnapshot& scan) {
  return scan.phase == SmartScanPhase::done ? doneHeadline(scan.stopped) : runningHeadline(scan.phase);
}

QString foundSummary(const SmartScanSnapshot& scan) {
  const int64_t found = foundTotal(scan);
  return found >= 1 ? bytesText(found) + QStringLiteral(" found") : QStringLiteral("all clear");
}

int untouchedAppCount(const std::vector<std::optional<base::TimePoint>>& lastUsed, base::TimePoint now) {
  int count = 0;
  for (const std::optional<base::TimePoint>& date : lastUsed)
    if (date && base::elapsedLocalDays(*date, now) >= 90) ++count;
  return count;
}

std::vector<ScanInsight> scanInsights(const SmartScanSnapshot& scan) {
  std::vector<ScanInsight> insights;
  if (scan.largestCleanItem)
    insights.push_back({"sparkles"_symbol,
                        QStringLiteral("Biggest win: ") + scan.largestCleanItem->name + QStringLiteral(", ") +
                            bytesText(scan.largestCleanItem->bytes) + QStringLiteral(". Ready to clean."),
                        design::SectionPalette::clean()});
  const int untouched = untouchedAppCount(scan.appsLastUsed, scan.now);
  if (untouched > 0)
    insights.push_back({"square.grid.2x2.fill"_symbol,
                        QString::number(untouched) + QStringLiteral(" app") +
                            (untouched != 1 ? QStringLiteral("s") : QString()) +
                            QStringLiteral(" untouched for 3+ months. Worth a look."),
                        design::SectionPalette::apps()});
  if (scan.advisorRuntimeBytes < 1) {
    if (scan.largestBigItem)
      insights.push_back({"scope"_symbol,
                          QStringLiteral("Largest item on disk: ") + scan.largestBigItem->name +
                              QStringLiteral(" (") + bytesText(scan.largestBigItem->bytes) +
                              QStringLiteral(")."),
                          design::SectionPalette::deepScan()});
  } else {
    insights.push_back({"wand.and.stars"_symbol,
                        QStringLiteral("Advisor can free ") + bytesText(scan.advisorRuntimeBytes) +
                            QStringLiteral(" for you."),
                        design::SectionPalette::advisor()});
  }
  if (insights.size() > 3) insights.resize(3);
  return insights;
}

std::optional<ReviewAction> reviewAction(const SmartScanSnapshot& scan) {
  if (scan.cleanTotalBytes >= 1)
    return ReviewAction{
        QStringLiteral("Review ") + bytesText(scan.cleanTotalBytes) + QStringLiteral(" of junk"),
        ScanTool::clean};
  if (scan.deepScanTotalBytes >= 1) return ReviewAction{QStringLiteral("See big items"), ScanTool::deepScan};
  if (scan.advisorHasFindings) return ReviewAction{QStringLiteral("See Advisor wins"), ScanTool::advisor};
  return std::nullopt;
}

}  // namespace tidewell::screens
