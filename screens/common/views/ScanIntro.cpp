#include "screens/common/views/ScanIntro.h"

#include <QVBoxLayout>

#include "design/components/ScanCircleButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/WidthCap.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

namespace {
constexpr int kHeadlineCaptionWidth = 420;
}  // namespace

TextLook scanIntroCaptionLook() {
  return textLook(13, design::FontWeight::Regular, design::Color::secondaryText());
}

ScanIntro::ScanIntro(const ScanIntroLook& look, QWidget* parent) : ShadowHost(parent) {
  auto* button = named(new design::ScanCircleButton(look.symbol, look.title), "scanButton");
  connect(button, &QAbstractButton::clicked, this, &ScanIntro::scanClicked);
  TextLabel* headline = nullptr;
  if (!look.headline.isEmpty())
    headline =
        named(new TextLabel(look.headline, textLook(14, design::FontWeight::Semibold)), "introHeadline");
  auto* caption = named(new TextLabel(look.caption, look.captionLook), "introCaption");

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(headline ? 24 : 26);
  column->addStretch(1);
  column->addWidget(button, 0, Qt::AlignHCenter);
  if (headline) {
    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(6);
    texts->addWidget(headline, 0, Qt::AlignHCenter);
    texts->addWidget(new WidthCap(caption, kHeadlineCaptionWidth, Qt::AlignHCenter));
    column->addLayout(texts);
  } else {
    column->addWidget(caption, 0, Qt::AlignHCenter);
  }
  column->addStretch(1);
}

}  // namespace tidewell::screens
