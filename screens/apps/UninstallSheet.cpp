#include "screens/apps/UninstallSheet.h"

#include <QFile>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/components/GlowCard.h"
#include "design/components/PillButton.h"
#include "screens/apps/SheetPresentation.h"
#include "screens/apps/UninstallItemRow.h"
#include "screens/apps/UninstallSheetContent.h"
#include "screens/common/ModelCall.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/ScrollColumn.h"
#include "screens/common/views/AppIconView.h"
#include "screens/common/views/IconLabel.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontDesign;
using design::FontWeight;
using design::Color::secondaryText;

namespace {

constexpr int kPadding = 20;
constexpr int kSpacing = 16;

std::optional<uint64_t> pendingId(const models::AppsViewModel& model) {
  if (const auto& pending = model.pendingPlan()) return pending->id;
  return std::nullopt;
}

QWidget* header(const UninstallSheetContent& content, const engine::UninstallPlan& plan,
                std::shared_ptr<AppIconProvider> icons, const QColor& red) {
  auto* card = named(new design::GlowCard({20, 16, red, false, false}), "sheetHeader");
  auto* inside = new QWidget;
  auto* icon = named(
      new AppIconView(QFile::decodeName(QByteArray::fromStdString(plan.app.url)), std::move(icons), inside),
      "sheetIcon");
  icon->setFixedSize(44, 44);
  auto* title =
      named(new TextLabel(content.title,
                          textLook(17, FontWeight::Bold, Qt::white, FontDesign::Rounded).lines(0), inside),
            "sheetTitle");
  auto* count = named(
      new TextLabel(content.countLine, textLook(12, FontWeight::Regular, secondaryText()).lines(0), inside),
      "sheetCount");

  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(3);
  texts->addWidget(title);
  texts->addWidget(count);

  auto* line = new QHBoxLayout(inside);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(14);
  line->addWidget(icon, 0, Qt::AlignVCenter);
  line->addLayout(texts, 1);
  card->setContent(inside);
  return card;
}

QWidget* itemList(const UninstallSheetContent& content) {
  auto* card = named(new design::GlowCard({20, 12, std::nullopt, false, false}), "sheetList");
  auto* scroll = named(new ScrollColumn, "sheetScroll");
  scroll->column()->setSpacing(8);
  for (size_t i = 0; i < content.rows.size(); ++i) {
    scroll->column()->addWidget(new UninstallItemRow(content.rows[i], scroll->content()));
    if (i == 0 && content.noLeftovers) {
      auto* note = named(new TextLabel(QString::fromLatin1(kNoLeftoversNote),
                                       textLook(12, FontWeight::Regular, secondaryText()), scroll->content()),
                         "sheetNoLeftovers");
      note->setContentsMargins(12, 12, 12, 12);
      scroll->column()->addWidget(note);
    }
  }
  scroll->column()->addStretch(1);
  card->setContent(scroll);
  return card;
}

}  // namespace

UninstallSheet::UninstallSheet(models::PendingUninstall pending, std::shared_ptr<models::AppsViewModel> model,
                               std::shared_ptr<AppIconProvider> icons, QWidget* parent, QColor destructiveRed)
    : ModalDialog(parent),
      pending_(std::move(pending)),
      confirmPlan_(
          modelCall(model, [id = pending_.id](models::AppsViewModel& m) { return m.confirmUninstall(id); })),
      withdrawPlan_(modelCall(model, [id = pending_.id](models::AppsViewModel& m) {
        if (dismissalClearsPending(id, pendingId(m))) m.setPendingPlan(std::nullopt);
      })) {
  setObjectName(QStringLiteral("uninstallSheet"));
  setFixedSize(kSize);
  const UninstallSheetContent content = uninstallSheetContent(pending_.plan);
  setWindowTitle(content.title);

  auto* note =
      named(new IconLabel("arrow.uturn.backward"_symbol, QStringLiteral("You can undo this from the Trash."),
                          textLook(11, FontWeight::Regular, secondaryText())),
            "sheetFooterNote");
  auto* cancel = named(new design::GhostPillButton({QStringLiteral("Cancel"), std::nullopt}), "sheetCancel");
  auto* confirm = named(new design::PillButton({QStringLiteral("Move to Trash"), std::nullopt},
                                               {destructiveRed, Qt::white, 12.5, 18, 9}),
                        "sheetConfirm");
  // The sheet opens holding the focus itself, so no key presses a button
  // by accident: Escape cancels through the dialog and nothing answers
  // Return; Tab reaches "Cancel", then "Move to Trash", and Space presses
  // the one that has the focus.
  connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
  connect(confirm, &QAbstractButton::clicked, this, &UninstallSheet::confirm);

  auto* footer = new QHBoxLayout;
  footer->setContentsMargins(0, 0, 0, 0);
  footer->setSpacing(10);
  footer->addWidget(note, 0, Qt::AlignVCenter);
  footer->addStretch(1);
  footer->addWidget(cancel, 0, Qt::AlignVCenter);
  footer->addWidget(confirm, 0, Qt::AlignVCenter);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
  column->setSpacing(kSpacing);
  column->addWidget(header(content, pending_.plan, std::move(icons), destructiveRed));
  column->addWidget(itemList(content), 1);
  column->addLayout(footer);
}

void UninstallSheet::closeQuietly() {
  quiet_ = true;
  done(QDialog::Rejected);
}

void UninstallSheet::done(int result) {
  if (closing_) return;
  closing_ = true;
  if (result == QDialog::Rejected && !quiet_) withdrawPlan_();
  ModalDialog::done(result);
}

void UninstallSheet::confirm() {
  if (closing_) return;
  // The model withdraws the pending plan before it starts moving, which
  // closes this sheet; the outcome shows later in the screen's banner.
  confirmPlan_();
  done(QDialog::Accepted);
}

}  // namespace tidewell::screens
