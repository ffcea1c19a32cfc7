#include "screens/apps/UninstallSheetPresenter.h"

#include <QEvent>

#include "screens/apps/SheetPresentation.h"

namespace tidewell::screens {

UninstallSheetPresenter::UninstallSheetPresenter(QWidget* host, std::shared_ptr<models::AppsViewModel> model,
                                                 std::shared_ptr<AppIconProvider> icons)
    : QObject(host), host_(host), model_(std::move(model)), icons_(std::move(icons)) {
  connect(model_.get(), &models::AppsViewModel::pendingPlanChanged, this, &UninstallSheetPresenter::follow);
  // A plan already pending when the screen is built is shown once the
  // screen is on screen, so the sheet belongs to the window it is in.
  host_->installEventFilter(this);
  follow();
}

bool UninstallSheetPresenter::eventFilter(QObject* watched, QEvent* event) {
  if (watched == host_ && event->type() == QEvent::Show) follow();
  return QObject::eventFilter(watched, event);
}

UninstallSheetPresenter::~UninstallSheetPresenter() { closeShown(); }

std::optional<uint64_t> UninstallSheetPresenter::shownId() const {
  if (sheet_) return sheet_->planId();
  return std::nullopt;
}

void UninstallSheetPresenter::follow() {
  const auto& pending = model_->pendingPlan();
  const SheetStep step = sheetStep(shownId(), pending ? std::optional<uint64_t>(pending->id) : std::nullopt);
  if (step.closeShown) closeShown();
  if (!step.openPending || !host_->isVisible()) return;
  auto* sheet = new UninstallSheet(*pending, model_, icons_, host_);
  sheet_ = sheet;
  ++opened_;
  // However it ends, the sheet is forgotten and deleted once it is closed;
  // later, since it may be in the middle of its own button's click.
  connect(sheet, &QDialog::finished, this, [this, sheet] {
    if (sheet_ == sheet) sheet_ = nullptr;
    sheet->deleteLater();
  });
  sheet->open();
}

void UninstallSheetPresenter::closeShown() {
  if (!sheet_) return;
  UninstallSheet* sheet = sheet_;
  sheet_ = nullptr;
  sheet->closeQuietly();
  sheet->deleteLater();
}

}  // namespace tidewell::screens
