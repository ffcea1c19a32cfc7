#pragma once
// The review screen's right pane for the viewed category: a header of the
// category's symbol, title and size with the "Smart", "All" and "None"
// pills, over a scroll column of one ItemChip per item, 8 apart. Empty
// while there is no viewed category. The screen hands it the texts and a
// binding per item; the pills say smartRequested, allRequested and
// noneRequested. objectName "itemsPane";
// children "paneSymbol", "paneTitle", "paneBytes", "smartPill",
// "allPill", "nonePill", the chips. GUI thread only.

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "engine/clean/CleanupCategory.h"
#include "engine/clean/CleanupItem.h"
#include "screens/common/BoolBinding.h"
#include "screens/common/layout/KeyedWidgets.h"

namespace tidewell::screens {

class ItemChip;
class ScrollColumn;
class SymbolView;
class TextLabel;

class ItemsPane : public QWidget {
  Q_OBJECT
 public:
  using BindingFor = std::function<BoolBinding(const engine::CleanupItem&)>;

  explicit ItemsPane(BindingFor bindingFor, QWidget* parent = nullptr);

  // The viewed category with its size and items (none: the pane is empty).
  void showCategory(std::optional<engine::CleanupCategory> category, int64_t bytes,
                    const std::vector<engine::CleanupItem>& items);
  QList<ItemChip*> chips() const { return chips_; }

 Q_SIGNALS:
  void smartRequested();
  void allRequested();
  void noneRequested();

 private:
  BindingFor bindingFor_;
  QWidget* header_;
  SymbolView* symbol_;
  TextLabel* title_;
  TextLabel* bytes_;
  ScrollColumn* list_;
  KeyedWidgets<ItemChip, std::string> keyed_;
  QList<ItemChip*> chips_;
};

}  // namespace tidewell::screens
