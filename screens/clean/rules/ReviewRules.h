#pragma once
// What the review screen shows and does, decided from a copy of the Clean
// model's figures: which category the right pane shows, each rail row's
// texts and mark, what the rail's tick box selects, the title, the items'
// chips and the footer. Pure; the screen builds the snapshot from the
// model's own derived values after every change.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "design/symbols/SymbolTable.h"
#include "engine/clean/CleanupCategory.h"
#include "engine/clean/CleanupItem.h"
#include "screens/common/controls/SelectionBox.h"

namespace tidewell::screens {

// One category as the model counts it.
struct CategoryFigures {
  engine::CleanupCategory category = engine::CleanupCategory::developerCaches;
  qsizetype count = 0;     // items of the category (at least 1 for a listed category)
  qsizetype selected = 0;  // of those, selected
  int64_t bytes = 0;       // summed size of the category's items
  bool operator==(const CategoryFigures&) const = default;
};

struct ReviewSnapshot {
  // The categories that have items, in declaration order.
  std::vector<CategoryFigures> categories;
  qsizetype itemCount = 0;
  qsizetype selectedCount = 0;
  int64_t totalBytes = 0;
  int64_t selectedBytes = 0;
  // The home volume's free bytes as the volume model last read them.
  int64_t freeBytes = 0;
};

// The category the right pane shows: the chosen one while it still has
// items, else the first one; absent when there are none. The choice itself
// is kept, so it comes back once its category has items again.
std::optional<engine::CleanupCategory> viewedCategory(const std::vector<CategoryFigures>& categories,
                                                      std::optional<engine::CleanupCategory> viewing);

// What the rail's tick box sets the whole category to: a category not
// fully selected becomes fully selected (caution items too), a fully
// selected one is cleared.
bool railToggleSelects(const CategoryFigures& figures);

struct RailRowContent {
  QString title;
  design::SymbolName symbol{QString()};
  // "2 of 3 · 1.2 GB"
  QString countLine;
  SelectionMark mark = SelectionMark::off;
  bool isViewing = false;
};
RailRowContent railRowContent(const CategoryFigures& figures, std::optional<engine::CleanupCategory> viewed);

// "Found 1.2 GB of junk."
QString foundTitle(int64_t totalBytes);

struct ChipContent {
  QString title;
  QString detail;
  QString size;
  // The "Review" tag: caution items only, selected or not.
  bool reviewTag = false;
  // A chip is on or off, never mixed.
  SelectionMark mark = SelectionMark::off;
};
ChipContent chipContent(const engine::CleanupItem& item);

struct FooterContent {
  QString size;       // of the selected items
  QString countLine;  // "3 of 7 picked"
  // With nothing picked: the hint; otherwise the free space after cleaning.
  std::optional<QString> hint;
  std::optional<QString> freeAfter;  // "~12.3 GB free after this"
  bool canClean = false;             // something is selected
  double cleanUpOpacity = 1;         // 0.45 while it cannot clean
};
FooterContent footerContent(const ReviewSnapshot& snapshot);

}  // namespace tidewell::screens
