#pragma once
// The selection rules and sums shared by the Clean and Dev Mode models, over
// their lists of measured items. Plain functions of the list; the models
// publish the list after every write. Items are matched by their row id;
// where two items share an id, the first one counts.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "engine/CleanupItem.h"

namespace tidewell::models {

class ItemSelection {
 public:
  using Items = std::vector<engine::CleanupItem>;
  using Filter = std::function<bool(const engine::CleanupItem&)>;

  // The selected items, in list order.
  static Items selected(const Items& items);
  // Sum of the sizes of the items that pass (all items without a filter).
  static int64_t bytes(const Items& items, const Filter& filter = {});
  // Sum of the sizes of the selected items.
  static int64_t selectedBytes(const Items& items);
  // How many selected items pass the filter.
  static std::size_t selectedCount(const Items& items, const Filter& filter = {});

  // isSelected of the first item with this id; false when there is none.
  static bool isSelected(const Items& items, std::string_view id);
  // Sets isSelected of the first item with this id; false (and nothing
  // written) when there is none.
  static bool setSelected(Items& items, std::string_view id, bool selected);
  // Sets every item that passes the filter to `selected`; returns whether
  // any item was written.
  static bool setAll(Items& items, bool selected, const Filter& filter = {});
  // Every item that passes the filter becomes selected exactly when its row
  // is safe; returns whether any item was written.
  static bool selectSafeOnly(Items& items, const Filter& filter = {});
};

}  // namespace tidewell::models
