#include "screens/common/views/ScanningPulse.h"

#include <QVBoxLayout>

#include "screens/common/ObjectNames.h"
#include "screens/common/views/Spinner.h"
#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

ScanningPulse::ScanningPulse(design::SymbolName symbol, QString title, TextLook titleLook, int spacing,
                             QWidget* parent)
    : QWidget(parent) {
  // As high as its three parts: the state around it takes the rest.
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(spacing);
  auto* pulsing = named(new SymbolView(std::move(symbol), 46, design::FontWeight::Light), "scanningSymbol");
  pulsing->pulse();
  column->addWidget(pulsing, 0, Qt::AlignHCenter);
  column->addWidget(named(new TextLabel(std::move(title), std::move(titleLook)), "scanningTitle"), 0,
                    Qt::AlignHCenter);
  column->addWidget(named(new Spinner(ControlSize::small), "scanningSpinner"), 0, Qt::AlignHCenter);
}

}  // namespace tidewell::screens
