#pragma once
// The Dev Mode screen after a scan: the header with the found total and
// "Safe only", "All", "None" and "Rescan"; the rail of tool groups with the
// "Never touches" card beside the viewed group's detail; and the footer
// with the picked size and count and "Clean Up". It shows the values the
// screen hands it (the screen owns which group is viewed) and reports
// every button and tap by a signal; an item row reads and writes its pick
// through the binding the screen gives for it. Rows are kept per group and
// per item across updates. GUI thread only.

#include <QWidget>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/clean/AIModelStore.h"
#include "engine/clean/CleanupItem.h"
#include "screens/common/layout/KeyedWidgets.h"
#include "screens/devmode/DevModeGroupDetail.h"
#include "screens/devmode/DevModeRail.h"
#include "screens/devmode/OrderedRows.h"

namespace tidewell::design {
class PillButton;
}

namespace tidewell::screens {

class DevModeRailRow;
class ScrollColumn;
class TextLabel;

// What the review shows: the model's lists and figures, and the group the
// screen views.
struct DevModeReviewValues {
  std::vector<engine::CleanupItem> items;
  std::vector<engine::AIModelStore> stores;
  int64_t totalBytes = 0;  // of the items
  int64_t modelBytes = 0;  // of the stores
  std::size_t pickedCount = 0;
  int64_t pickedBytes = 0;
  // The group viewing names, else the first.
  std::optional<std::string> viewing;
};

class DevModeReviewPage : public QWidget {
  Q_OBJECT
 public:
  // pickOf: the pick of one item, read and written through the model.
  explicit DevModeReviewPage(DevModeGroupDetail::PickOf pickOf, QWidget* parent = nullptr);

  void setValues(const DevModeReviewValues& values);

 Q_SIGNALS:
  // The header's "Safe only", "All", "None" and "Rescan".
  void safeOnlyClicked();
  void allClicked();
  void noneClicked();
  void rescanClicked();
  // A tap on a rail row, and on its check box.
  void viewRequested(const std::string& groupId);
  void groupBoxClicked(const std::string& groupId);
  // The detail's "Smart", "All" and "None", within the group viewed.
  void groupSafeOnlyClicked();
  void groupAllClicked();
  void groupNoneClicked();
  // A store row's "Reveal".
  void revealRequested(const engine::AIModelStore& store);
  void cleanClicked();

 private:
  QWidget* buildHeader();
  QWidget* buildFooter();

  TextLabel* summary_;
  ScrollColumn* rail_;
  KeyedWidgets<DevModeRailRow, std::string> railRows_;
  OrderedRows railRowsShown_{nullptr};
  DevModeGroupDetail* detail_;
  TextLabel* pickedBytes_;
  TextLabel* pickedCount_;
  design::PillButton* cleanUp_;
};

}  // namespace tidewell::screens
