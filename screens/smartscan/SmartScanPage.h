#pragma once
// The screen of a Smart Scan, shown by Home in place of its page while the
// controller is not idle. While the run is under way: the segmented ring
// with the overall percentage, the step's headline and status line, the
// four tool cards and "Stop" ("stopButton"). Once it is done (finished or
// stopped): the bytes found in the ring, the summary headline, and the
// done block with the insights, "Home" and the button to the tool with the
// most to review. Nothing is deleted from this screen.
//
// It follows the controller (whose changed() carries every change of the
// four models) and reads everything through its rules over a snapshot. It
// calls only the controller's requestStop() and reset(), never a scan; the
// one thing it asks of the window is to show a tool's section. The ring's
// fills move over 0.45 s when the overall progress changes; the done
// block rises into view over 0.45 s and, when a new run starts from the
// done screen, sinks out of view the same way. The ring keeps its size at
// every window size; a window too low for the whole screen scrolls it.
// GUI thread only.

#include <QPointer>
#include <QWidget>
#include <memory>
#include <optional>

#include "design/accessibility/AccessibleTraits.h"
#include "models/Clock.h"
#include "models/smartscan/SmartScanController.h"
#include "screens/smartscan/ScanTool.h"
#include "screens/smartscan/SmartScanSnapshot.h"

namespace tidewell::design {
class GhostPillButton;
}

namespace tidewell::screens {

class ScanDoneBlock;
class ScanHeadline;
class ScanRingCentre;
class SegmentedScanRing;
class ToolCardRow;

inline constexpr double kSmartScanChangeSeconds = 0.45;

class SmartScanPage : public QWidget {
  Q_OBJECT
 public:
  // showTool: the window's section change; clock: "now" for the apps' ages.
  SmartScanPage(std::shared_ptr<models::SmartScanController> controller, ShowTool showTool,
                models::Clock clock = models::Clock::system(), QWidget* parent = nullptr);

  SmartScanSnapshot snapshot() const;
  SegmentedScanRing* ring() const { return ring_; }
  // Present only while the run is done.
  ScanDoneBlock* doneBlock() const;

  // The actions of the screen's buttons and cards.
  void stop();
  void goHome();
  void open(ScanTool tool);

 private:
  void refresh();

  std::shared_ptr<models::SmartScanController> controller_;
  ShowTool showTool_;
  models::Clock clock_;
  SegmentedScanRing* ring_;
  ScanRingCentre* centre_;
  ScanHeadline* headline_;
  ToolCardRow* cards_;
  QWidget* content_;
  QWidget* doneSlot_;
  QPointer<ScanDoneBlock> doneBlock_;
  design::GhostPillButton* stop_;
  std::optional<double> shownProgress_;
  // What the ring reads as: the headline under it and the percentage in it.
  QString ringName_;
  design::GaugeReading ringReading_;
};

}  // namespace tidewell::screens
