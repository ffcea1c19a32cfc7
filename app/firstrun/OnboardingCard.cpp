#include "app/firstrun/OnboardingCard.h"

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

#include "design/brand/BrandLogo.h"
#include "design/components/GlowCardPaint.h"
#include "design/components/PillButton.h"
#include "design/paint/ShadowLayer.h"
#include "design/paint/Shapes.h"
#include "design/theme/Color.h"
#include "design/theme/Gradients.h"
#include "design/theme/SectionPalette.h"
#include "design/type/InterFont.h"
#include "screens/common/views/FittedLabel.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::app {

namespace {

using design::Color::withOpacity;

constexpr double kRadius = 26;
constexpr int kPadding = 40;
constexpr int kSpacing = 18;
constexpr int kTaglineWidth = 360;
constexpr int kButtonLabelWidth = 220;

const design::Shadow& cardShadow() {
  static const design::Shadow shadow{QColor::fromRgbF(0, 0, 0, 0.5), 40, QPointF(0, 20)};
  return shadow;
}

}  // namespace

void paintOnboardingCardBackground(QPainter& painter, const QRectF& rect) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  const QPainterPath shape = design::continuousRoundedRect(rect, kRadius);
  const QColor green = design::SectionPalette::accentGreen();
  painter.fillPath(shape, design::ultraThinMaterialFill());
  painter.fillPath(shape, withOpacity(design::Color::cardSurface(), 0.7));
  painter.fillPath(shape,
                   design::radialGradient(rect, design::UnitPoint::top(), 0, 360,
                                          {{0.0, withOpacity(green, 0.12)}, {1.0, withOpacity(green, 0)}}));
  design::strokeInside(
      painter, rect, kRadius, 1.0,
      design::linearGradient(rect, design::UnitPoint::top(), design::UnitPoint::bottom(),
                             {{0.0, withOpacity(green, 0.4)}, {1.0, design::Color::white(0.08)}}));
  painter.restore();
}

OnboardingCard::OnboardingCard(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("onboardingCard"));
  setFixedWidth(int(kOnboardingCardWidth));
  design::ShadowLayer::makeHost(this);
  design::ShadowLayer::track(this);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
  column->setSpacing(kSpacing);
  column->addWidget(new design::BrandLogo(design::BrandAsset::Mark, 76), 0, Qt::AlignHCenter);
  column->addWidget(new screens::FittedLabel(
      QStringLiteral("Tidewell Mac"),
      {design::inter(23, design::FontWeight::Bold), Qt::white, 1, false, Qt::AlignHCenter}));
  auto* tagline = new screens::TextLabel(
      QStringLiteral("Tidewell Mac finds and removes unnecessary files to deep clean your "
                     "Mac, free up storage, and help it run faster."),
      screens::TextLook{design::inter(13.5), design::Color::secondaryText()}.lines(0).centred());
  tagline->setObjectName(QStringLiteral("tagline"));
  // As wide as it needs up to 360, then wrapping onto further lines.
  const int natural = int(std::ceil(QFontMetricsF(tagline->look().font).horizontalAdvance(tagline->text())));
  tagline->setFixedWidth(std::min(kTaglineWidth, natural));
  column->addWidget(tagline, 0, Qt::AlignHCenter);

  const design::PillButtonLook look{design::SectionPalette::clean().primary, Qt::white, 14, 18, 12};
  button_ = new design::PillButton({QStringLiteral("Get Started"), std::nullopt}, look);
  button_->setObjectName(QStringLiteral("getStarted"));
  button_->setFixedWidth(kButtonLabelWidth + 2 * int(look.horizontalPadding));
  column->addSpacing(4);
  column->addWidget(button_, 0, Qt::AlignHCenter);
}

void OnboardingCard::paintShadows(QPainter& painter) const {
  design::drawShadow(painter, design::continuousRoundedRect(QRectF(rect()), kRadius), cardShadow());
}

QRectF OnboardingCard::shadowArea() const { return design::shadowBounds(QRectF(rect()), cardShadow()); }

void OnboardingCard::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintOnboardingCardBackground(painter, QRectF(rect()));
  design::ShadowLayer::paintCasters(this, painter, event->region());
}

}  // namespace tidewell::app
