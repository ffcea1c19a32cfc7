#include "models/clean/ItemSelection.h"

#include <algorithm>

namespace tidewell::models {

namespace {

bool passes(const ItemSelection::Filter& filter, const engine::CleanupItem& item) {
  return !filter || filter(item);
}

}  // namespace

ItemSelection::Items ItemSelection::selected(const Items& items) {
  Items chosen;
  std::copy_if(items.begin(), items.end(), std::back_inserter(chosen),
               [](const engine::CleanupItem& item) { return item.isSelected; });
  return chosen;
}

int64_t ItemSelection::bytes(const Items& items, const Filter& filter) {
  int64_t sum = 0;
  for (const auto& item : items)
    if (passes(filter, item)) sum += item.sizeBytes;
  return sum;
}

int64_t ItemSelection::selectedBytes(const Items& items) {
  return bytes(items, [](const engine::CleanupItem& item) { return item.isSelected; });
}

std::size_t ItemSelection::selectedCount(const Items& items, const Filter& filter) {
  return static_cast<std::size_t>(std::count_if(
      items.begin(), items.end(),
      [&](const engine::CleanupItem& item) { return item.isSelected && passes(filter, item); }));
}

bool ItemSelection::isSelected(const Items& items, std::string_view id) {
  auto found = std::find_if(items.begin(), items.end(),
                            [id](const engine::CleanupItem& item) { return item.id() == id; });
  return found != items.end() && found->isSelected;
}

bool ItemSelection::setSelected(Items& items, std::string_view id, bool selected) {
  auto found = std::find_if(items.begin(), items.end(),
                            [id](const engine::CleanupItem& item) { return item.id() == id; });
  if (found == items.end()) return false;
  found->isSelected = selected;
  return true;
}

bool ItemSelection::setAll(Items& items, bool selected, const Filter& filter) {
  bool wrote = false;
  for (auto& item : items) {
    if (!passes(filter, item)) continue;
    item.isSelected = selected;
    wrote = true;
  }
  return wrote;
}

bool ItemSelection::selectSafeOnly(Items& items, const Filter& filter) {
  bool wrote = false;
  for (auto& item : items) {
    if (!passes(filter, item)) continue;
    item.isSelected = item.target.safety == engine::SafetyLevel::safe;
    wrote = true;
  }
  return wrote;
}

}  // namespace tidewell::models
