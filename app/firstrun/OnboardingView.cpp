#include "app/firstrun/OnboardingView.h"

#include <QGridLayout>
#include <QPainter>

#include "app/firstrun/OnboardingCard.h"
#include "design/components/PillButton.h"
#include "design/paint/AmbientBackground.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/SectionAccent.h"

namespace tidewell::app {

OnboardingView::OnboardingView(QWidget* parent)
    : QWidget(parent),
      backdrop_(new design::AmbientBackground(design::SectionPalette::clean(), this)),
      dim_(new design::ShadowHost(this)),
      card_(new OnboardingCard) {
  setObjectName(QStringLiteral("onboardingView"));
  design::SectionAccent::set(this, design::SectionPalette::clean());
  // The dimming layer: black at 0.4 over the backdrop, under the card.
  dim_->setAutoFillBackground(true);
  QPalette colours = dim_->palette();
  colours.setColor(QPalette::Window, QColor::fromRgbF(0, 0, 0, 0.4));
  dim_->setPalette(colours);
  auto* centre = new QGridLayout(dim_);
  centre->addWidget(card_, 0, 0, Qt::AlignCenter);

  connect(card_->getStartedButton(), &QAbstractButton::clicked, this, [this] {
    if (finished_) return;
    finished_ = true;
    Q_EMIT finished(true);
  });
}

void OnboardingView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  backdrop_->setGeometry(rect());
  dim_->setGeometry(rect());
}

}  // namespace tidewell::app
