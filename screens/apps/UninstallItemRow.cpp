#include "screens/apps/UninstallItemRow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;
using design::Color::secondaryText;

namespace {
constexpr int kPadding = 12;
constexpr int kSymbolWidth = 22;
constexpr int kSpacing = 10;
// At least 8 between two gaps of 10; a box layout puts no spacing beside
// a spacer, so it carries the second gap itself.
constexpr int kSizeGap = 8 + kSpacing;
}  // namespace

UninstallItemRow::UninstallItemRow(const UninstallRow& row, QWidget* parent)
    : Surface({14, design::Color::raisedSurface(), design::Color::hairline(), 1}, parent) {
  setObjectName(QStringLiteral("sheetRow"));
  setKey(this, row.key);

  auto* symbol =
      named(new SymbolView(row.symbol, 13, FontWeight::Regular, secondaryText(), this), "rowSymbol");
  symbol->setFixedWidth(kSymbolWidth);
  auto* title = named(
      new TextLabel(row.title, textLook(12.5, FontWeight::Medium).elided(Qt::ElideMiddle), this), "rowTitle");
  // The title gives way before the size does.
  title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* subtitle = named(
      new TextLabel(row.subtitle, textLook(10.5, FontWeight::Regular, secondaryText()), this), "rowSubtitle");
  subtitle->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* size = named(
      new TextLabel(
          row.sizeText,
          textLook(12, FontWeight::Semibold, secondaryText(), FontDesign::Rounded).withMonospacedDigits(),
          this),
      "rowSize");

  auto* texts = new QVBoxLayout;
  texts->setContentsMargins(0, 0, 0, 0);
  texts->setSpacing(1);
  texts->addWidget(title);
  texts->addWidget(subtitle);

  auto* line = new QHBoxLayout(this);
  line->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
  line->setSpacing(kSpacing);
  line->addWidget(symbol, 0, Qt::AlignVCenter);
  line->addLayout(texts, 1);
  line->addSpacing(kSizeGap);
  line->addWidget(size, 0, Qt::AlignVCenter);
}

}  // namespace tidewell::screens
