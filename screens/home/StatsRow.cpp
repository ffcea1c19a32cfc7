#include "screens/home/StatsRow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "design/theme/SectionPalette.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/layout/HairlineRule.h"
#include "screens/common/views/TextLabel.h"
#include "screens/home/HomeRules.h"

namespace tidewell::screens {

namespace {

using design::FontWeight;

// A label over a value; white values stand at 0.9.
QWidget* statColumn(const QString& label, TextLabel* value, const QMargins& padding) {
  auto* column = new QWidget;
  auto* box = new QVBoxLayout(column);
  box->setContentsMargins(padding);
  box->setSpacing(2);
  box->addWidget(new TextLabel(label, textLook(11, FontWeight::Regular, design::Color::secondaryText())));
  box->addWidget(value);
  return column;
}

TextLabel* statValue(const char* name, const QColor& colour) {
  return named(new TextLabel(QString(), textLook(15, FontWeight::Semibold, colour).withMonospacedDigits()),
               name);
}

}  // namespace

StatsRow::StatsRow(QWidget* parent)
    : Surface(
          {12, design::Color::withOpacity(design::Color::raisedSurface(), 0.6), design::Color::hairline(), 1},
          parent),
      used_(statValue("usedValue", design::Color::white(0.9))),
      total_(statValue("totalValue", design::Color::white(0.9))),
      readyRule_(new HairlineRule(Qt::Vertical, 30)),
      readyValue_(statValue("readyValue", design::SectionPalette::accentGreen())) {
  setObjectName(QStringLiteral("statsRow"));
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  ready_ = statColumn(QStringLiteral("Ready to review"), readyValue_, {22, 0, 0, 0});
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(16, 10, 16, 10);
  row->setSpacing(0);
  row->addWidget(statColumn(QStringLiteral("Used"), used_, {0, 0, 22, 0}), 0, Qt::AlignVCenter);
  row->addWidget(new HairlineRule(Qt::Vertical, 30), 0, Qt::AlignVCenter);
  row->addWidget(statColumn(QStringLiteral("Total"), total_, {22, 0, 0, 0}), 0, Qt::AlignVCenter);
  row->addWidget(readyRule_, 0, Qt::AlignVCenter);
  row->addWidget(ready_, 0, Qt::AlignVCenter);
}

void StatsRow::setHome(const HomeSnapshot& home) {
  used_->setText(usedBytesText(home));
  total_->setText(totalBytesText(home));
  const bool ready = showsReadyToReview(home);
  readyRule_->setVisible(ready);
  ready_->setVisible(ready);
  if (ready) readyValue_->setText(readyToReviewText(home));
}

}  // namespace tidewell::screens
