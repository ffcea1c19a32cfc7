#pragma once
// Shows the uninstall sheet while the Apps model has a pending plan, over
// the window of the host widget. It follows the model's pending plan by
// its id: a sheet that still shows the pending plan stays; when the plan
// is replaced (a later trash press) or cleared (the confirmation, or a
// cancel), the open sheet is closed without answering for the user, and a
// new pending plan gets a sheet of its own. Only the user's dismissal of a
// sheet writes the pending plan back to none (see UninstallSheet). Going
// away closes the sheet the same quiet way. A sheet opens only while the
// host is on screen (a plan pending when the screen is built gets its
// sheet when the screen is first shown), so it is modal to the right
// window. GUI thread only.

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "screens/apps/UninstallSheet.h"

namespace tidewell::screens {

class UninstallSheetPresenter : public QObject {
  Q_OBJECT
 public:
  // host: the widget the sheets belong to (the Apps screen); it owns the presenter.
  UninstallSheetPresenter(QWidget* host, std::shared_ptr<models::AppsViewModel> model,
                          std::shared_ptr<AppIconProvider> icons);
  ~UninstallSheetPresenter() override;

  // The sheet on screen, or nullptr.
  UninstallSheet* sheet() const { return sheet_; }
  // How many sheets it has opened.
  int sheetsOpened() const { return opened_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void follow();
  void closeShown();
  std::optional<uint64_t> shownId() const;

  QWidget* host_;
  std::shared_ptr<models::AppsViewModel> model_;
  std::shared_ptr<AppIconProvider> icons_;
  QPointer<UninstallSheet> sheet_;
  int opened_ = 0;
};

}  // namespace tidewell::screens
