#pragma once
// One of Home's four tool tiles, in its tool's palette: a wobbling glossy
// tile with the tool's symbol, the title, a two-line subtitle (two lines
// always reserved, so the tiles line up) and a status strip with the live
// status line ("tileStatus", shrinking to 0.7 of its size to fit) and a
// chevron. A click anywhere reports tapped(). Named "toolTile" with the
// tool's title as key. GUI thread only.

#include "design/components/GlowCard.h"
#include "screens/smartscan/ScanTool.h"

namespace tidewell::screens {

class FittedLabel;

class ToolTile : public design::GlowCard {
  Q_OBJECT
 public:
  ToolTile(ScanTool tool, QString subtitle, QWidget* parent = nullptr);

  ScanTool tool() const { return tool_; }
  QString status() const;
  void setStatus(const QString& status);

 Q_SIGNALS:
  void tapped();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  ScanTool tool_;
  FittedLabel* status_;
  bool pressed_ = false;
};

}  // namespace tidewell::screens
