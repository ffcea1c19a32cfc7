#include "screens/home/ToolGrid.h"

#include <QGridLayout>

#include "screens/home/HomeRules.h"
#include "screens/home/ToolTile.h"

namespace tidewell::screens {

ToolGrid::ToolGrid(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(14);
  grid->setVerticalSpacing(14);
  for (ScanTool tool : allScanTools) {
    const int column = int(tool);
    auto* tile = new ToolTile(tool, homeTileSubtitle(tool));
    tile->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    connect(tile, &ToolTile::tapped, this, [this, tool] { Q_EMIT tapped(tool); });
    tiles_[size_t(tool)] = tile;
    grid->addWidget(tile, 0, column);
    grid->setColumnStretch(column, 1);
    grid->setColumnMinimumWidth(column, 10);
  }
}

void ToolGrid::setHome(const HomeSnapshot& home) {
  for (ScanTool tool : allScanTools) tiles_[size_t(tool)]->setStatus(tileStatus(home, tool));
}

}  // namespace tidewell::screens
