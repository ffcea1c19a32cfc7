#include "screens/clean/rules/ReviewRules.h"

#include <algorithm>
#include <limits>

#include "design/type/FileNameText.h"
#include "screens/clean/rules/CategoryLook.h"
#include "screens/common/Formatting.h"

namespace tidewell::screens {

using engine::CleanupCategory;

namespace {

constexpr double kDisabledOpacity = 0.45;

int64_t saturatingSum(int64_t a, int64_t b) {
  a = std::max<int64_t>(a, 0);
  b = std::max<int64_t>(b, 0);
  return a > std::numeric_limits<int64_t>::max() - b ? std::numeric_limits<int64_t>::max() : a + b;
}

}  // namespace

std::optional<CleanupCategory> viewedCategory(const std::vector<CategoryFigures>& categories,
                                              std::optional<CleanupCategory> viewing) {
  if (categories.empty()) return std::nullopt;
  if (viewing) {
    for (const CategoryFigures& figures : categories)
      if (figures.category == *viewing) return viewing;
  }
  return categories.front().category;
}

bool railToggleSelects(const CategoryFigures& figures) { return figures.selected != figures.count; }

RailRowContent railRowContent(const CategoryFigures& figures, std::optional<CleanupCategory> viewed) {
  RailRowContent content;
  content.title = categoryTitle(figures.category);
  content.symbol = categorySymbol(figures.category);
  content.countLine =
      QStringLiteral("%1 of %2 · %3").arg(figures.selected).arg(figures.count).arg(bytesText(figures.bytes));
  content.mark = selectionMark(figures.selected, figures.count);
  content.isViewing = viewed && *viewed == figures.category;
  return content;
}

QString foundTitle(int64_t totalBytes) {
  return QStringLiteral("Found ") + bytesText(totalBytes) + QStringLiteral(" of junk.");
}

ChipContent chipContent(const engine::CleanupItem& item) {
  ChipContent content;
  content.title = design::fileNameText(item.target.title);
  content.detail = design::fileNameText(item.target.detail);
  content.size = bytesText(item.sizeBytes);
  content.reviewTag = item.target.safety == engine::SafetyLevel::caution;
  content.mark = item.isSelected ? SelectionMark::on : SelectionMark::off;
  return content;
}

FooterContent footerContent(const ReviewSnapshot& snapshot) {
  FooterContent content;
  content.size = bytesText(snapshot.selectedBytes);
  content.countLine = QStringLiteral("%1 of %2 picked").arg(snapshot.selectedCount).arg(snapshot.itemCount);
  if (snapshot.selectedBytes < 1) {
    content.hint = QStringLiteral("Nothing picked yet. Tap rows or hit “Safe only”.");
  } else {
    content.freeAfter = QStringLiteral("~") +
                        bytesText(saturatingSum(snapshot.freeBytes, snapshot.selectedBytes)) +
                        QStringLiteral(" free after this");
  }
  content.canClean = snapshot.selectedCount > 0;
  content.cleanUpOpacity = content.canClean ? 1.0 : kDisabledOpacity;
  return content;
}

}  // namespace tidewell::screens
