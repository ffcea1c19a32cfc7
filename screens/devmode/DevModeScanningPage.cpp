#include "screens/devmode/DevModeScanningPage.h"

#include <QVBoxLayout>

#include "screens/common/ObjectNames.h"
#include "screens/common/views/ProgressBar.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

using namespace design::literals;
using design::FontWeight;

DevModeScanningPage::DevModeScanningPage(double progress, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("scanningView"));
  auto* hammer = named(new SymbolView("hammer.fill"_symbol, 42, FontWeight::Light), "scanningSymbol");
  hammer->pulse();
  auto* line =
      named(new TextLabel(QStringLiteral("Checking your dev tools and AI apps\u2026"),
                          textLook(15, FontWeight::Semibold, Qt::white, design::FontDesign::Rounded)),
            "scanningTitle");
  bar_ = named(new ProgressBar(progress, 260), "scanProgress");

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(16);
  column->addStretch(1);
  column->addWidget(hammer, 0, Qt::AlignHCenter);
  column->addWidget(line, 0, Qt::AlignHCenter);
  column->addWidget(bar_, 0, Qt::AlignHCenter);
  column->addStretch(1);
}

void DevModeScanningPage::setProgress(double fraction) { bar_->setValue(fraction); }

double DevModeScanningPage::progress() const { return bar_->value(); }

}  // namespace tidewell::screens
