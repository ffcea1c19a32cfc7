#include "screens/common/views/MessageBanner.h"

#include <QVBoxLayout>

#include "screens/common/ObjectNames.h"

namespace tidewell::screens {

MessageBanner::MessageBanner(BannerLook look, QMargins margins, QWidget* parent)
    : QWidget(parent), look_(std::move(look)) {
  auto* fill = new QVBoxLayout(this);
  fill->setContentsMargins(margins);
  fill->setSpacing(0);
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  hide();
}

void MessageBanner::setMessage(const std::optional<QString>& message) {
  if (!message) {
    if (QWidget* gone = banner_.data()) {
      banner_ = nullptr;
      gone->hide();
      layout()->removeWidget(gone);
      gone->deleteLater();
    }
    hide();
    return;
  }
  setMessage(look_, std::nullopt, *message);
}

void MessageBanner::setMessage(const BannerLook& look, const std::optional<QString>& title,
                               const QString& message) {
  look_ = look;
  if (!banner_) {
    banner_ = named(new ResultBanner(look_), "resultBanner");
    connect(banner_, &ResultBanner::dismissed, this, &MessageBanner::dismissed);
    layout()->addWidget(banner_);
  } else {
    banner_->setLook(look_);
  }
  banner_->setText(title, message);
  show();
}

}  // namespace tidewell::screens
