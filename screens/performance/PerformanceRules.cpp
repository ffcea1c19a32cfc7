#include "screens/performance/PerformanceRules.h"

#include <algorithm>

#include "screens/common/Formatting.h"

namespace tidewell::screens {

using namespace design::literals;

QString performancePanelTitle(PerformancePanel panel) {
  switch (panel) {
    case PerformancePanel::memory:
      return QStringLiteral("Memory");
    case PerformancePanel::login:
      return QStringLiteral("Startup");
  }
  return {};
}

std::optional<PerformancePanel> performancePanelTitled(const QString& title) {
  for (PerformancePanel panel : kPerformancePanels)
    if (performancePanelTitle(panel) == title) return panel;
  return std::nullopt;
}

QStringList performancePanelTitles() {
  QStringList titles;
  for (PerformancePanel panel : kPerformancePanels) titles.append(performancePanelTitle(panel));
  return titles;
}

int memoryPercent(int64_t used, int64_t total) {
  if (total < 1) return 0;
  // In 128 bits, so used * 100 cannot overflow for any figure.
  const __int128 clamped = std::clamp<int64_t>(used, 0, total);
  return int(clamped * 100 / total);
}

design::GaugeReading memoryPercentReading(int64_t used, int64_t total) {
  const int percent = memoryPercent(used, total);
  return {percent, QString::number(percent) + QStringLiteral("% in use")};
}

QString memoryUsedOfTotal(int64_t used, int64_t total) {
  return bytesText(used) + QStringLiteral(" of ") + bytesText(total);
}

QString memorySubtitle(int64_t used, int64_t total) {
  return memoryUsedOfTotal(used, total) + QStringLiteral(" memory in use");
}

int64_t memoryBarMaximum(const std::vector<engine::RunningApp>& apps) {
  int64_t largest = 1;
  for (const engine::RunningApp& app : apps) largest = std::max(largest, app.memoryBytes);
  return largest;
}

double memoryBarFraction(int64_t bytes, int64_t maxBytes) {
  if (bytes < 1) return 0;
  return double(bytes) / double(std::max<int64_t>(maxBytes, 1));
}

QString footprintText(int64_t bytes) {
  if (bytes < 1) return QStringLiteral("\u2014");
  return bytesText(bytes);
}

bool isQuitting(std::optional<int32_t> busyPID, int32_t pid) { return busyPID && *busyPID == pid; }

QString appIconPath(const std::optional<std::string>& url) {
  if (!url || url->empty()) return QStringLiteral("/");
  return QString::fromStdString(*url);
}

design::SymbolName loginScopeSymbol(const QString& scope) {
  return scope == QLatin1String("System") ? "gearshape.2.fill"_symbol : "person.crop.circle"_symbol;
}

QString autostartFolder(const QString& home) {
  QString base = home;
  while (base.size() > 1 && base.endsWith(QLatin1Char('/'))) base.chop(1);
  if (base == QLatin1String("/")) base.clear();
  return base + QStringLiteral("/.config/autostart");
}

}  // namespace tidewell::screens
