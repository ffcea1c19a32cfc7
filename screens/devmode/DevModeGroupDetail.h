#pragma once
// The right side of the Dev Mode review: the viewed group's header (its
// symbol, label and size, and "Smart", "All" and "None" for a tool group),
// the note of the models group and the group's rows in a scroll view. Rows
// are kept per item id (or store id) across updates. It is handed plain
// values and calls back; the screen runs the model. GUI thread only.

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "engine/clean/AIModelStore.h"
#include "engine/clean/CleanupItem.h"
#include "screens/common/BoolBinding.h"
#include "screens/common/layout/KeyedWidgets.h"
#include "screens/devmode/DevModeRail.h"
#include "screens/devmode/OrderedRows.h"

namespace tidewell::screens {

class AIModelRow;
class DevItemRow;
class ScrollColumn;
class SmallPillButton;
class SymbolView;
class TextLabel;

struct GroupDetailActions {
  // "Smart", "All" and "None" of the group shown.
  std::function<void()> smart, all, none;
  // The pick of one item, read and written through the model.
  std::function<BoolBinding(const engine::CleanupItem&)> binding;
  std::function<void(const engine::AIModelStore&)> reveal;
};

class DevModeGroupDetail : public QWidget {
  Q_OBJECT
 public:
  explicit DevModeGroupDetail(GroupDetailActions actions, QWidget* parent = nullptr);

  // Shows group (its size given), with stores as the rows of the models group.
  void show(const RailGroup& group, int64_t groupBytes, const std::vector<engine::AIModelStore>& stores);

  // The rows shown, in order.
  QList<QWidget*> rows() const { return rows_.rows(); }

 private:
  GroupDetailActions actions_;
  std::string groupId_;
  SymbolView* symbol_;
  TextLabel* label_;
  TextLabel* size_;
  QWidget* buttons_;
  TextLabel* note_;
  QWidget* noteBox_;
  ScrollColumn* scroll_;
  QWidget* rowsBox_;
  KeyedWidgets<DevItemRow, std::string> itemRows_;
  KeyedWidgets<AIModelRow, std::string> storeRows_;
  OrderedRows rows_{nullptr};
};

}  // namespace tidewell::screens
