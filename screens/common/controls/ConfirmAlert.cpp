#include "screens/common/controls/ConfirmAlert.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/components/PillButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

namespace {
constexpr int kWidth = 360;
}

ConfirmAlert::ConfirmAlert(QString title, QString message, QString confirmTitle, QColor destructiveRed,
                           QWidget* parent)
    : ModalDialog(parent) {
  using design::FontWeight;
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(title);
  setFixedWidth(kWidth);

  title_ = named(new TextLabel(std::move(title), textLook(14, FontWeight::Bold).lines(0).centred(), this),
                 "alertTitle");
  message_ =
      named(new TextLabel(
                std::move(message),
                textLook(12, FontWeight::Regular, design::Color::secondaryText()).lines(0).centred(), this),
            "alertMessage");
  auto* cancel =
      named(new design::GhostPillButton({QStringLiteral("Cancel"), std::nullopt}, this), "alertCancel");
  auto* confirm = named(new design::PillButton({std::move(confirmTitle), std::nullopt},
                                               {destructiveRed, Qt::white, 12.5, 18, 9}, this),
                        "alertConfirm");

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(10);
  buttons->addStretch(1);
  buttons->addWidget(cancel);
  buttons->addWidget(confirm);
  buttons->addStretch(1);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(24, 22, 24, 20);
  column->setSpacing(10);
  column->addWidget(title_);
  column->addWidget(message_);
  column->addSpacing(8);
  column->addLayout(buttons);

  // As high as the wrapped message needs at the alert's width.
  setFixedHeight(column->totalHeightForWidth(kWidth));

  connect(confirm, &QAbstractButton::clicked, this, [this] {
    if (reported_) return;
    reported_ = true;
    Q_EMIT confirmed();
    accept();
  });
  connect(cancel, &QAbstractButton::clicked, this, &QDialog::reject);
  connect(this, &QDialog::rejected, this, [this] {
    if (reported_) return;
    reported_ = true;
    Q_EMIT cancelled();
  });
  connect(this, &QDialog::finished, this, [this] { Q_EMIT closed(); });
}

QString ConfirmAlert::title() const { return title_->text(); }
QString ConfirmAlert::message() const { return message_->text(); }

}  // namespace tidewell::screens
