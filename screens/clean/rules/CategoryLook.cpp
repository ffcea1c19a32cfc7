#include "screens/clean/rules/CategoryLook.h"

namespace tidewell::screens {

using namespace design::literals;
using engine::CleanupCategory;

QString categoryTitle(CleanupCategory category) {
  const std::string_view raw = engine::rawValue(category);
  return QString::fromUtf8(raw.data(), qsizetype(raw.size()));
}

design::SymbolName categorySymbol(CleanupCategory category) {
  switch (category) {
    case CleanupCategory::developerCaches:
      return "hammer.fill"_symbol;
    case CleanupCategory::aiCaches:
      return "brain.head.profile"_symbol;
    case CleanupCategory::appCaches:
      return "app.badge.fill"_symbol;
    case CleanupCategory::system:
      break;
  }
  return "trash.fill"_symbol;
}

}  // namespace tidewell::screens
