#include "screens/common/views/ResultBanner.h"

#include <QHBoxLayout>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cmath>

#include "design/accessibility/AccessibleTraits.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolButton.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;

namespace {
// A spacer before the close button, at least this wide.
constexpr int kSpacerMinimum = 8;
}  // namespace

ResultBanner::ResultBanner(BannerLook look, QWidget* parent)
    : GlowCard(look.card, parent), look_(std::move(look)) {
  // As high as its text needs at the width it gets (a fixed height would
  // stop a wrapping message at the lines of its preferred width).
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  build();
  // Read as an alert: its title (or its message alone), the message as
  // the detail.
  design::AccessibleTraits& traits = design::accessibleTraits(this);
  traits.role = QAccessible::AlertMessage;
  traits.name = [this] { return title_.value_or(message_); };
  traits.description = [this] { return title_ ? message_ : QString(); };
}

void ResultBanner::setLook(const BannerLook& look) {
  // A new look builds the content anew: only when it is new.
  if (look == look_) return;
  look_ = look;
  GlowCard::setLook(look_.card);
  build();
}

void ResultBanner::setText(std::optional<QString> title, const QString& message) {
  if (title == title_ && message == message_) return;
  title_ = std::move(title);
  message_ = message;
  titleLabel_->setText(title_.value_or(QString()));
  titleLabel_->setVisible(title_.has_value());
  messageLabel_->setText(message_);
  updateGeometry();
  design::accessibleNameChanged(this);
  design::accessibleAlertChanged(this);
}

void ResultBanner::showEvent(QShowEvent* event) {
  GlowCard::showEvent(event);
  // A window coming back from the Dock is not news.
  if (!event->spontaneous()) design::accessibleAlertShown(this);
}

void ResultBanner::build() {
  auto* content = new QWidget;
  auto* row = new QHBoxLayout(content);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(0);
  const int spacing = int(std::lround(look_.spacing));

  symbolView_ =
      named(new SymbolView(look_.symbol, look_.symbolSize, look_.symbolWeight, look_.symbolColour, content),
            "bannerSymbol");
  titleLabel_ = named(new TextLabel(title_.value_or(QString()), look_.title, content), "bannerTitle");
  titleLabel_->setVisible(title_.has_value());
  messageLabel_ = named(new TextLabel(message_, look_.message, content), "bannerMessage");
  dismiss_ = named(new SymbolButton("xmark"_symbol, 11, design::FontWeight::Semibold,
                                    design::Color::secondaryText(), content),
                   "bannerDismiss");
  dismiss_->setAccessibleName(QStringLiteral("Close"));
  connect(dismiss_, &QAbstractButton::clicked, this, &ResultBanner::dismissed);

  auto* text = new QVBoxLayout;
  text->setContentsMargins(0, 0, 0, 0);
  text->setSpacing(int(std::lround(look_.textSpacing)));
  text->addWidget(titleLabel_);
  text->addWidget(messageLabel_);

  // The text takes the room the spacer would: what is painted is the same,
  // and a long message wraps only when the banner is too narrow for it.
  row->addWidget(symbolView_, 0, Qt::AlignVCenter);
  row->addSpacing(spacing);
  row->addLayout(text, 1);
  row->addSpacing(spacing + kSpacerMinimum + spacing);
  row->addWidget(dismiss_, 0, Qt::AlignVCenter);
  setContent(content);
}

}  // namespace tidewell::screens
