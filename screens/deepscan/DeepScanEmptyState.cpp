#include "screens/deepscan/DeepScanEmptyState.h"

#include <QVBoxLayout>

#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"
#include "screens/deepscan/DeepScanLook.h"

namespace tidewell::screens {

using design::FontWeight;
using namespace design::literals;

DeepScanEmptyState::DeepScanEmptyState(QWidget* parent)
    : GlowCard({20, 32, DeepScanLook::safeGreen(), false, false}, parent) {
  named(this, "emptyState");
  auto* content = new QWidget;
  auto* symbol = named(new SymbolView("checkmark.seal.fill"_symbol, 40, FontWeight::Regular,
                                      DeepScanLook::safeGreen(), content),
                       "emptySymbol");
  auto* title =
      named(new TextLabel(QStringLiteral("No big items over 80 MB"),
                          textLook(16, FontWeight::Bold, Qt::white, design::FontDesign::Rounded), content),
            "emptyTitle");
  auto* detail =
      named(new TextLabel(QStringLiteral("Nothing big hiding anywhere."),
                          textLook(12.5, FontWeight::Regular, design::Color::secondaryText()), content),
            "emptyDetail");
  auto* column = new QVBoxLayout(content);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(10);
  column->addWidget(symbol, 0, Qt::AlignHCenter);
  column->addWidget(title, 0, Qt::AlignHCenter);
  column->addWidget(detail, 0, Qt::AlignHCenter);
  setContent(content);
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

}  // namespace tidewell::screens
