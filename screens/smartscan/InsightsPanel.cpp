#include "screens/smartscan/InsightsPanel.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontWeight;

InsightsPanel::InsightsPanel(QWidget* parent)
    : Surface(
          {16, design::Color::withOpacity(design::Color::raisedSurface(), 0.7), design::Color::hairline(), 1},
          parent),
      rows_(new QVBoxLayout(this)) {
  setObjectName(QStringLiteral("insightsPanel"));
  rows_->setContentsMargins(18, 14, 18, 14);
  rows_->setSpacing(8);
}

void InsightsPanel::setInsights(const std::vector<ScanInsight>& insights) {
  if (insights == insights_) return;
  insights_ = insights;
  while (QLayoutItem* item = rows_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (size_t i = 0; i < insights.size(); ++i) {
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(8);
    auto* symbol = new SymbolView(insights[i].symbol, 12, FontWeight::Semibold, insights[i].palette.primary);
    symbol->setFixedWidth(16);
    line->addWidget(symbol, 0, Qt::AlignVCenter);
    auto* text = named(
        new TextLabel(insights[i].text, textLook(12, FontWeight::Regular, design::Color::secondaryText())),
        "insight");
    setKey(text, QString::number(i));
    line->addWidget(text, 1, Qt::AlignVCenter);
    rows_->addWidget(row);
  }
}

}  // namespace tidewell::screens
