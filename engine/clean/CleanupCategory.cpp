#include "engine/clean/CleanupCategory.h"

namespace tidewell::engine {

std::string_view rawValue(CleanupCategory category) {
  switch (category) {
    case CleanupCategory::developerCaches:
      return "Developer Caches";
    case CleanupCategory::aiCaches:
      return "AI Caches";
    case CleanupCategory::appCaches:
      return "App Caches";
    case CleanupCategory::system:
      return "System";
  }
  return {};
}

std::optional<CleanupCategory> cleanupCategory(std::string_view raw) {
  for (CleanupCategory category : allCleanupCategories)
    if (rawValue(category) == raw) return category;
  return std::nullopt;
}

}  // namespace tidewell::engine
