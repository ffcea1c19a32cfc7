#pragma once
// The right side of the Dev Mode review: the viewed group's header (its
// symbol, label and size, and "Smart", "All" and "None" for a tool group),
// the note of the models group and the group's rows in a scroll view. Rows
// are kept per item id (or store id) across updates. It is handed plain
// values and each item's pick, and reports its buttons by signals; the
// screen runs the model. GUI thread only.

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

class DevModeGroupDetail : public QWidget {
  Q_OBJECT
 public:
  // The pick of one item, read and written through the model.
  using PickOf = std::function<BoolBinding(const engine::CleanupItem&)>;

  explicit DevModeGroupDetail(PickOf pickOf, QWidget* parent = nullptr);

  // Shows group (its size given), with stores as the rows of the models group.
  void setGroup(const RailGroup& group, int64_t groupBytes, const std::vector<engine::AIModelStore>& stores);

  // The rows shown, in order.
  QList<QWidget*> rows() const { return rows_.rows(); }

 Q_SIGNALS:
  // "Smart", "All" and "None" of the group shown.
  void smartClicked();
  void allClicked();
  void noneClicked();
  // A store row's "Reveal".
  void revealRequested(const engine::AIModelStore& store);

 private:
  PickOf pickOf_;
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
