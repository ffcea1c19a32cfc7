#include "screens/performance/LoginItemRow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "design/components/GhostPillButton.h"
#include "design/theme/Color.h"
#include "design/type/FileNameText.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/Badge.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/performance/PerformanceRules.h"

namespace tidewell::screens {

using design::FontDesign;
using design::FontWeight;
using design::Color::secondaryText;
using design::Color::tertiaryText;

LoginItemRow::LoginItemRow(engine::LoginItem item, QWidget* parent)
    : Surface(SurfaceLook{}, parent), item_(std::move(item)) {
  setObjectName(QStringLiteral("loginItemRow"));
  setKey(this, QString::fromStdString(item_.id));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  const QString scope = QString::fromStdString(item_.scope);

  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(10, 10, 10, 10);
  row->setSpacing(12);

  auto* symbol =
      named(new SymbolView(loginScopeSymbol(scope), 14, FontWeight::Regular, secondaryText()), "scopeSymbol");
  symbol->setFixedWidth(22);

  auto* texts = new QWidget;
  auto* column = new QVBoxLayout(texts);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  auto* label = named(new TextLabel(design::fileNameText(item_.label), textLook(12.5, FontWeight::Semibold)),
                      "loginLabel");
  auto* program =
      named(new TextLabel(design::fileNameText(item_.program),
                          textLook(10.5, FontWeight::Regular, tertiaryText(), FontDesign::Monospaced)
                              .elided(Qt::ElideMiddle)),
            "loginProgram");
  column->addWidget(label);
  column->addWidget(program);
  // The texts give way to the chip and the button: they are cut, not those.
  texts->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  texts->setMinimumWidth(0);

  auto* chip =
      named(new Badge(scope, BadgeLook{10, secondaryText(), design::Color::white(0.08), 7, 2}), "scopeChip");
  auto* revealButton =
      named(new design::GhostPillButton({QStringLiteral("Reveal"), std::nullopt}), "revealButton");
  connect(revealButton, &QAbstractButton::clicked, this, &LoginItemRow::revealRequested);

  row->addWidget(symbol, 0, Qt::AlignVCenter);
  row->addWidget(texts, 1, Qt::AlignVCenter);
  // The spacer of at least 8 between the texts and the chip, with the gap
  // a box layout leaves out beside a spacer item.
  row->addSpacing(8 + row->spacing());
  row->addWidget(chip, 0, Qt::AlignVCenter);
  row->addWidget(revealButton, 0, Qt::AlignVCenter);
}

}  // namespace tidewell::screens
