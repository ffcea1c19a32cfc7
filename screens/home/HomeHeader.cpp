#include "screens/home/HomeHeader.h"

#include <QHBoxLayout>

#include "design/components/PillButton.h"
#include "design/components/ScreenHeader.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/home/HealthBadge.h"

namespace tidewell::screens {

using namespace design::literals;

HomeHeader::HomeHeader(QWidget* parent)
    : QWidget(parent),
      badge_(new HealthBadge),
      scan_(named(new design::PillButton({QStringLiteral("Scan My Mac"), "sparkles"_symbol},
                                         {std::nullopt, design::Color::pillText(), 12.5, 18, 9}),
                  "scanButton")) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(12);
  row->addWidget(
      named(new design::ScreenHeader(QStringLiteral("Overview"), QStringLiteral("Free up space, safely")),
            "header"),
      0, Qt::AlignVCenter);
  row->addStretch(1);
  row->addWidget(badge_, 0, Qt::AlignVCenter);
  row->addWidget(scan_, 0, Qt::AlignVCenter);
  connect(scan_, &QAbstractButton::clicked, this, &HomeHeader::scanClicked);
}

void HomeHeader::setHealth(const design::ThemePalette& health) {
  badge_->setHealth(health.label, health.color());
}

}  // namespace tidewell::screens
