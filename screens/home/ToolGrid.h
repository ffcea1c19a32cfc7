#pragma once
// Home's row of the four tool tiles (Clean, Apps, Deep Scan, Advisor) in
// four equal columns 14 apart. A tap on a tile reports its tool. GUI
// thread only.

#include <QWidget>
#include <array>

#include "screens/home/HomeSnapshot.h"
#include "screens/smartscan/ScanTool.h"

namespace tidewell::screens {

class ToolTile;

class ToolGrid : public QWidget {
  Q_OBJECT
 public:
  explicit ToolGrid(QWidget* parent = nullptr);

  void setHome(const HomeSnapshot& home);
  ToolTile* tile(ScanTool tool) const { return tiles_[size_t(tool)]; }

 Q_SIGNALS:
  void tapped(ScanTool tool);

 private:
  std::array<ToolTile*, 4> tiles_{};
};

}  // namespace tidewell::screens
