#pragma once
// The texts of the Dev Mode screen that depend on values: the review
// summary, a rail group's caption, the footer's count, the results title
// and the line naming what a clean left behind. Pure; GUI thread (sizes
// are written by the screens' byte text).

#include <QString>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tidewell::screens::DevModeRules {

// "Found 3.4 GB to clear." (a negative total reads as zero bytes).
QString reviewSummary(int64_t totalBytes);
// "12 · 3.4 GB": a group's count and size.
QString groupCaption(std::size_t count, int64_t bytes);
// "3 picked" (the same words for one item).
QString pickedCaption(std::size_t picked);
// "Cleaning…" while cleaning, else "Freed " and the freed size.
QString resultTitle(bool cleaning, int64_t freedBytes);
// How many items a clean left and their titles, in the Clean result's
// words: "2 items wouldn't budge: npm cache, Yarn cache. macOS may need
// ..."; empty when nothing failed.
QString leftBehind(const std::vector<std::string>& failedTitles);

}  // namespace tidewell::screens::DevModeRules
