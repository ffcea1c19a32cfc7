#pragma once
// The groups of the review screen. Every list of categories follows the
// declaration order below (allCleanupCategories). The catalog itself holds
// no aiCaches row; those rows come from the Dev Mode AI cache list.

#include <array>
#include <optional>
#include <string_view>

namespace tidewell::engine {

enum class CleanupCategory { developerCaches, aiCaches, appCaches, system };

inline constexpr std::array<CleanupCategory, 4> allCleanupCategories = {
    CleanupCategory::developerCaches, CleanupCategory::aiCaches, CleanupCategory::appCaches,
    CleanupCategory::system};

// "Developer Caches", "AI Caches", "App Caches", "System"; also the
// category's identity.
std::string_view rawValue(CleanupCategory category);

// The category whose raw value is exactly `raw` (case-sensitive); absent for
// anything else.
std::optional<CleanupCategory> cleanupCategory(std::string_view raw);

}  // namespace tidewell::engine
