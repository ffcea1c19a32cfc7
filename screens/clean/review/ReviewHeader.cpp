#include "screens/clean/review/ReviewHeader.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontWeight;

ReviewHeader::ReviewHeader(QWidget* parent)
    : QWidget(parent),
      title_(named(new TextLabel({}, textLook(20, FontWeight::Bold, Qt::white, design::FontDesign::Rounded)
                                         .withMonospacedDigits()),
                   "reviewTitle")) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(28, 24, 28, 16);
  row->setSpacing(0);
  auto* words = new QVBoxLayout;
  words->setSpacing(3);
  words->addWidget(title_);
  words->addWidget(named(
      new TextLabel(QStringLiteral("Green is safe and pre-ticked. Nothing goes until you hit Clean Up."),
                    textLook(12, FontWeight::Regular, design::Color::secondaryText())),
      "reviewSubline"));
  row->addLayout(words);
  row->addSpacing(12);
  row->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(8);
  auto button = [&](const char* title, const char* name, void (ReviewHeader::*said)()) {
    auto* b = named(new design::GhostPillButton({QString::fromUtf8(title), std::nullopt}), name);
    connect(b, &QAbstractButton::clicked, this, said);
    buttons->addWidget(b);
    return b;
  };
  button("Safe only", "safeOnlyButton", &ReviewHeader::safeOnlyRequested)
      ->setToolTip(QStringLiteral("Select every safe item, deselect the review-gated ones"));
  button("All", "allButton", &ReviewHeader::allRequested);
  button("None", "noneButton", &ReviewHeader::noneRequested);
  row->addLayout(buttons);
}

void ReviewHeader::setTitle(const QString& title) { title_->setText(title); }

}  // namespace tidewell::screens
