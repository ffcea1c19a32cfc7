#pragma once
// The rules of the Performance screen that decide a text, a number or a
// state, over plain values copied from the model: the memory figures, the
// rows' bars and footprints, the login items' scope symbol, the two
// panels. Pure; any thread.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/accessibility/AccessibleTraits.h"
#include "design/symbols/SymbolTable.h"
#include "engine/performance/RunningApp.h"

namespace tidewell::screens {

// The two lists of the list phase, in the order of their segments.
enum class PerformancePanel { memory, login };

inline constexpr PerformancePanel kPerformancePanels[] = {PerformancePanel::memory, PerformancePanel::login};

// "Memory", "Startup": a panel's only title.
QString performancePanelTitle(PerformancePanel panel);
// The panel titled exactly title; none for any other text.
std::optional<PerformancePanel> performancePanelTitled(const QString& title);
// The segment titles, in segment order.
QStringList performancePanelTitles();

// The whole percentage of memory in use, from the integers themselves (29
// of 100 is 29, never 28): used / total truncated, kept within 0 ... 100,
// and 0 when total is below 1.
int memoryPercent(int64_t used, int64_t total);
// "29% in use", with memoryPercent: what the gauge card shows, and its bar
// reads as.
design::GaugeReading memoryPercentReading(int64_t used, int64_t total);
// "8.2 GB of 16 GB" (negative counts written as zero).
QString memoryUsedOfTotal(int64_t used, int64_t total);
// The header's subtitle: "8.2 GB of 16 GB memory in use".
QString memorySubtitle(int64_t used, int64_t total);

// The footprint that fills a row's bar: the largest of apps, at least 1 (1
// for no apps).
int64_t memoryBarMaximum(const std::vector<engine::RunningApp>& apps);
// A row bar's fraction: 0 for a footprint below 1, else bytes / maxBytes
// (the bar itself keeps it within 0 ... 1).
double memoryBarFraction(int64_t bytes, int64_t maxBytes);
// The footprint text: the em dash for a footprint below 1, else its size.
QString footprintText(int64_t bytes);
// Whether the row of pid shows the spinner instead of "Quit".
bool isQuitting(std::optional<int32_t> busyPID, int32_t pid);
// What a row's icon is asked for: the application's entry, or "/" when the
// record has none.
QString appIconPath(const std::optional<std::string>& url);

// "gearshape.2.fill" for the scope "System" (exactly), else
// "person.crop.circle".
design::SymbolName loginScopeSymbol(const QString& scope);

// The folder the desktop starts its login applications from, in home:
// where "Open Login Items Settings" leads on this platform.
QString autostartFolder(const QString& home);

}  // namespace tidewell::screens
