#include "screens/home/ReminderCard.h"

#include <QHBoxLayout>

#include "design/theme/Color.h"
#include "design/theme/SectionPalette.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/HairlineRule.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontWeight;
using namespace design::literals;

ReminderCard::ReminderCard(QWidget* parent)
    : GlowCard({16, 0, std::nullopt, false, false}, parent),
      lastCleanup_(
          named(new TextLabel(QString(), textLook(12, FontWeight::Regular, design::Color::secondaryText())),
                "lastCleanup")),
      reminder_(
          named(new TextLabel(QString(), textLook(12, FontWeight::Regular, design::Color::secondaryText())),
                "scanReminder")) {
  setObjectName(QStringLiteral("reminderCard"));
  auto* content = new QWidget;
  auto* row = new QHBoxLayout(content);
  row->setContentsMargins(18, 12, 18, 12);
  row->setSpacing(14);
  row->addWidget(
      new SymbolView("sparkles"_symbol, 12, FontWeight::Semibold, design::SectionPalette::accentGreen()), 0,
      Qt::AlignVCenter);
  row->addWidget(lastCleanup_, 0, Qt::AlignVCenter);
  row->addWidget(new HairlineRule(Qt::Vertical, 16), 0, Qt::AlignVCenter);
  row->addWidget(reminder_, 0, Qt::AlignVCenter);
  row->addSpacing(8);
  row->addStretch(1);
  setContent(content);
}

void ReminderCard::setTexts(const QString& lastCleanup, const QString& reminder) {
  lastCleanup_->setText(lastCleanup);
  reminder_->setText(reminder);
}

}  // namespace tidewell::screens
