#pragma once
// The four tool cards under the Smart Scan headline, in scan order, 12
// apart and centred; each card is named "toolCard" with its tool's title
// as key. A tap on a card reports the tool; the screen decides what it
// opens. GUI thread only.

#include <QWidget>
#include <array>

#include "screens/smartscan/ScanTool.h"
#include "screens/smartscan/SmartScanSnapshot.h"

namespace tidewell::screens {

class ToolCard;

class ToolCardRow : public QWidget {
  Q_OBJECT
 public:
  // The cards start in the statuses of scan.
  explicit ToolCardRow(const SmartScanSnapshot& scan, QWidget* parent = nullptr);

  void setScan(const SmartScanSnapshot& scan);
  ToolCard* card(ScanTool tool) const { return cards_[size_t(tool)]; }

 Q_SIGNALS:
  void tapped(ScanTool tool);

 private:
  std::array<ToolCard*, 4> cards_{};
};

}  // namespace tidewell::screens
