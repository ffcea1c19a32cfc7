#include "app/root/IconTextRow.h"

#include <QHBoxLayout>

#include "screens/common/views/SymbolView.h"
#include "screens/common/views/TextLabel.h"

namespace tidewell::app {

QWidget* iconTextRow(const design::SymbolName& symbol, double symbolSize, const QColor& symbolColour,
                     const QString& text, const screens::TextLook& look, int spacing, QWidget* parent) {
  auto* row = new QWidget(parent);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(spacing);
  layout->addWidget(
      new screens::SymbolView(symbol, symbolSize, design::FontWeight::Regular, symbolColour, row));
  layout->addWidget(new screens::TextLabel(text, look, row));
  layout->addStretch(1);
  return row;
}

}  // namespace tidewell::app
