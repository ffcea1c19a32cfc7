#include "screens/apps/AppsScanningPage.h"

#include <QVBoxLayout>

#include "design/components/GlowCard.h"
#include "design/components/ScreenHeader.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/ProgressBar.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;

AppsScanningPage::AppsScanningPage(double progress, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("appsScanning"));
  auto* header =
      named(new design::ScreenHeader(QStringLiteral("Apps"),
                                     QStringLiteral("Uninstall apps together with their leftover files")),
            "header");

  auto* card = named(new design::GlowCard({20, 32, std::nullopt, false, false}), "scanningCard");
  auto* inside = new QWidget;
  auto* symbol = named(new SymbolView("magnifyingglass"_symbol, 40, FontWeight::Light), "scanningSymbol");
  symbol->pulse();
  auto* title = named(new TextLabel(QStringLiteral("Checking your apps…"),
                                    textLook(16, FontWeight::Bold, Qt::white, design::FontDesign::Rounded)),
                      "scanningTitle");
  bar_ = named(new ProgressBar(progress, 240), "scanProgress");
  auto* stack = new QVBoxLayout(inside);
  stack->setContentsMargins(0, 0, 0, 0);
  stack->setSpacing(16);
  stack->addWidget(symbol, 0, Qt::AlignHCenter);
  stack->addWidget(title, 0, Qt::AlignHCenter);
  stack->addWidget(bar_, 0, Qt::AlignHCenter);
  card->setContent(inside);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(0);
  column->addWidget(header);
  column->addStretch(1);
  column->addWidget(card, 0, Qt::AlignHCenter);
  column->addStretch(1);
}

void AppsScanningPage::setProgress(double progress) { bar_->setValue(progress); }

}  // namespace tidewell::screens
