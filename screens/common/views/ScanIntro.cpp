#include "screens/common/views/ScanIntro.h"

#include <QVBoxLayout>

#include "design/components/ScanCircleButton.h"
#include "design/theme/Color.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::screens {

ScanIntro::ScanIntro(design::SymbolName symbol, QString title, QString caption, std::function<void()> start,
                     QWidget* parent)
    : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(28, 28, 28, 28);
  column->setSpacing(26);
  column->addStretch(1);
  auto* button = named(new design::ScanCircleButton(std::move(symbol), std::move(title)), "scanButton");
  connect(button, &QAbstractButton::clicked, this, std::move(start));
  column->addWidget(button, 0, Qt::AlignHCenter);
  column->addWidget(named(new TextLabel(std::move(caption), textStyle(13, design::FontWeight::Regular,
                                                                      design::Color::secondaryText())),
                          "introCaption"),
                    0, Qt::AlignHCenter);
  column->addStretch(1);
}

}  // namespace tidewell::screens
