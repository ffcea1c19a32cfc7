#include "screens/smartscan/ToolCardRow.h"

#include <QHBoxLayout>

#include "screens/common/ObjectNames.h"
#include "screens/smartscan/SmartScanRules.h"
#include "screens/smartscan/ToolCard.h"

namespace tidewell::screens {

ToolCardRow::ToolCardRow(const SmartScanSnapshot& scan, QWidget* parent) : QWidget(parent) {
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(12);
  row->addStretch(1);
  for (ScanTool tool : allScanTools) {
    auto* card = new ToolCard(scanToolSymbol(tool), scanToolTitle(tool), scanToolPalette(tool),
                              toolStatus(scan, tool));
    setKey(card, scanToolTitle(tool));
    connect(card, &ToolCard::tapped, this, [this, tool] { Q_EMIT tapped(tool); });
    cards_[size_t(tool)] = card;
    row->addWidget(card);
  }
  row->addStretch(1);
}

void ToolCardRow::setScan(const SmartScanSnapshot& scan) {
  for (ScanTool tool : allScanTools) cards_[size_t(tool)]->setStatus(toolStatus(scan, tool));
}

}  // namespace tidewell::screens
