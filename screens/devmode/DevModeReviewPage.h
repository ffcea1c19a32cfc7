#pragma once
// The Dev Mode screen after a scan: the header with the found total and
// "Safe only", "All", "None" and "Rescan"; the rail of tool groups with the
// "Never touches" card beside the viewed group's detail; and the footer
// with the picked size and count and "Clean Up". It is a section of
// DevModeView: the screen owns which group is viewed and hands it in with
// every refresh, and a tap on a rail row reports viewRequested(id); this
// widget runs the model's operations. Rows are kept per group and per item
// across refreshes. GUI thread only.

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "screens/common/layout/KeyedWidgets.h"
#include "screens/common/services/ScreenServices.h"
#include "screens/devmode/DevModeRail.h"
#include "screens/devmode/OrderedRows.h"

namespace tidewell::models {
class DevModeViewModel;
}

namespace tidewell::design {
class PillButton;
}

namespace tidewell::screens {

class DevModeGroupDetail;
class DevModeRailRow;
class ScrollColumn;
class TextLabel;

class DevModeReviewPage : public QWidget {
  Q_OBJECT
 public:
  DevModeReviewPage(std::shared_ptr<models::DevModeViewModel> model, ScreenServices services,
                    QWidget* parent = nullptr);

  // Redraws from the model, showing the group viewing names (else the first).
  void refresh(const std::optional<std::string>& viewing);

 Q_SIGNALS:
  void viewRequested(const std::string& groupId);

 private:
  QWidget* buildHeader();
  QWidget* buildFooter();
  // The ids of the group shown now (empty when none is).
  std::set<std::string> viewedIDs() const;

  std::shared_ptr<models::DevModeViewModel> model_;
  ScreenServices services_;
  std::optional<std::string> viewing_;

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
