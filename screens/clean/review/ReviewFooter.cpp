#include "screens/clean/review/ReviewFooter.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/components/PillButton.h"
#include "screens/clean/AccentFigure.h"
#include "screens/common/CleanUpLabel.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;

namespace {
design::PillButtonLook cleanUpLook() { return {std::nullopt, design::Color::pillText(), 12.5, 18, 9}; }
}  // namespace

ReviewFooter::ReviewFooter(QWidget* parent)
    : FooterBar(parent),
      size_(named(new TextLabel({}, textLook(17, FontWeight::Bold, Qt::white, design::FontDesign::Rounded)
                                        .withMonospacedDigits()),
                  "selectedSize")),
      count_(named(new TextLabel({}, textLook(11, FontWeight::Regular, design::Color::secondaryText())),
                   "pickedCount")),
      hint_(named(new TextLabel({}, textLook(12, FontWeight::Regular, design::Color::secondaryText())),
                  "pickHint")),
      freeAfter_(named(new AccentFigure("arrow.up.right"_symbol, {11, 12, 6}), "freeAfter")),
      cleanUp_(named(new design::PillButton(cleanUpLabel(), cleanUpLook()), "cleanUpButton")) {
  auto* figures = new QVBoxLayout;
  figures->setSpacing(4);
  auto* picked = new QVBoxLayout;
  picked->setSpacing(1);
  picked->addWidget(size_);
  picked->addWidget(count_);
  figures->addLayout(picked);
  figures->addWidget(hint_);
  figures->addWidget(freeAfter_);
  row()->addLayout(figures);
  row()->addStretch(1);

  auto* back = named(new design::GhostPillButton({QStringLiteral("Back"), std::nullopt}), "backButton");
  row()->addWidget(back, 0, Qt::AlignVCenter);
  row()->addWidget(cleanUp_, 0, Qt::AlignVCenter);
  connect(back, &QAbstractButton::clicked, this, &ReviewFooter::backRequested);
  connect(cleanUp_, &QAbstractButton::clicked, this, &ReviewFooter::cleanRequested);
}

void ReviewFooter::setContent(const FooterContent& content) {
  size_->setText(content.size);
  count_->setText(content.countLine);
  hint_->setVisible(content.hint.has_value());
  if (content.hint) hint_->setText(*content.hint);
  freeAfter_->setVisible(content.freeAfter.has_value());
  if (content.freeAfter) freeAfter_->setText(*content.freeAfter);
  cleanUp_->setEnabled(content.canClean);
  cleanUp_->setOpacity(content.cleanUpOpacity);
}

}  // namespace tidewell::screens
