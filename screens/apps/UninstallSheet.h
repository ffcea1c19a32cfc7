#pragma once
// The confirmation sheet of the Apps screen: everything one uninstall plan
// will move to the Trash (the application first, then each leftover with
// its size), the total, "Cancel" and "Move to Trash". Window-modal over the
// main window, 480 x 560. No button is the default one, so Return moves
// nothing; Escape and closing the sheet count as "Cancel".
//
// The sheet shows the plan it was built with, under the id the model gave
// it, and never re-reads the model: "Move to Trash" confirms exactly that
// id (the model acts only when it is still the pending plan), and "Cancel"
// withdraws the pending plan only while it is this sheet's. The screen's
// presenter closes a sheet whose plan is no longer pending with
// closeQuietly(), which leaves the model alone. The sheet holds the model
// weakly: once the model is gone, its buttons only close it. GUI thread
// only.

#include <QColor>
#include <functional>
#include <memory>

#include "design/theme/Color.h"
#include "models/apps/AppsViewModel.h"
#include "models/apps/PendingUninstall.h"
#include "screens/common/controls/ModalDialog.h"

namespace tidewell::screens {

class AppIconProvider;

class UninstallSheet : public ModalDialog {
  Q_OBJECT
 public:
  static constexpr QSize kSize{480, 560};

  UninstallSheet(models::PendingUninstall pending, std::shared_ptr<models::AppsViewModel> model,
                 std::shared_ptr<AppIconProvider> icons, QWidget* parent = nullptr,
                 QColor destructiveRed = design::Color::destructiveRed());

  uint64_t planId() const { return pending_.id; }
  const engine::UninstallPlan& plan() const { return pending_.plan; }

  // Closes the sheet as the screen does when its plan is no longer the
  // pending one, or when the screen goes away: the model is not written.
  void closeQuietly();

  // Closes once; a rejection by the user (Cancel, Escape, the window's
  // close button) withdraws the pending plan when it is this sheet's.
  void done(int result) override;

 private:
  void confirm();

  models::PendingUninstall pending_;
  std::function<void()> confirmPlan_;
  std::function<void()> withdrawPlan_;
  bool closing_ = false;
  bool quiet_ = false;
};

}  // namespace tidewell::screens
