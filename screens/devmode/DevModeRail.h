#pragma once
// The Dev Mode rail: sorts the measured cleanup items into tool groups
// ("Xcode", "Node & JS", ...) in a fixed order, with the large AI model
// folders as one last group. Pure functions of the model's lists: nothing
// is read from disk, nothing is kept between calls. Any thread.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "design/symbols/SymbolTable.h"
#include "engine/clean/AIModelStore.h"
#include "engine/clean/CleanupItem.h"
#include "screens/common/controls/SelectionBox.h"

namespace tidewell::screens {

// One row of the rail and the content of its detail.
struct RailGroup {
  std::string id;     // the label for tool groups; "__models__" for the models group
  std::string label;  // shown in the rail
  design::SymbolName symbol{QString()};
  std::vector<engine::CleanupItem> items;  // largest first; empty for the models group
  bool isModels = false;                   // the "Large AI models" group: its rows are the model stores
};

class DevModeRail {
 public:
  // A word tested against an item's id and lower-cased title. A whole-word
  // keyword only counts where it stands between the ends of the text, "-"
  // or " ", so "bun" finds "bun-cache" but not "claude-vm-bundles".
  struct Keyword {
    std::string_view text;
    bool wholeWord = false;
  };

  static constexpr std::string_view modelsGroupId = "__models__";
  static constexpr std::string_view modelsGroupLabel = "Large AI models";

  // The 17 tool group labels in rail order; the models group follows them.
  static const std::array<std::string_view, 17>& groupOrder();

  // The group of one item: always one of groupOrder().
  static std::string_view groupLabel(const engine::CleanupItem& item);

  // The symbol of a group label; "folder.fill" for "Other" and any text
  // outside the table.
  static design::SymbolName symbol(std::string_view groupLabel);

  // True when id, or the lower-cased title, holds one of the keywords.
  static bool matches(std::span<const Keyword> keywords, std::string_view id, std::string_view lowerTitle);

  // The rail: one group per label of groupOrder() that has items (each
  // group's items largest first, equal sizes in the order given), then the
  // models group when there are model stores.
  static std::vector<RailGroup> railGroups(const std::vector<engine::CleanupItem>& items,
                                           const std::vector<engine::AIModelStore>& models);

  // The group's byte total: modelBytes for the models group, else the sum
  // of its items' sizes.
  static int64_t bytes(const RailGroup& group, int64_t modelBytes);

  // The row ids of the group's items (empty for the models group).
  static std::set<std::string> itemIDs(const RailGroup& group);

  // ---- The review's reading of the rail ----

  // The check box of a tool group: off with nothing picked, on with every
  // item picked, mixed otherwise.
  static SelectionMark mark(const RailGroup& group);
  // What the group's check box sets every item of the group to: a fully
  // picked group is dropped whole, any other group picked whole.
  static bool boxPicks(const RailGroup& group);
  // The number shown beside a group: its model stores for the models
  // group, else its items.
  static std::size_t count(const RailGroup& group, std::size_t modelCount);
  // The group whose id is viewing, else the first group; nullopt for an
  // empty rail. An index into rail.
  static std::optional<std::size_t> viewedGroup(const std::vector<RailGroup>& rail,
                                                const std::optional<std::string>& viewing);
};

}  // namespace tidewell::screens
