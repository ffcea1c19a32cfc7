#pragma once
// The screen of a Smart Scan, shown by Home in place of its page while the
// controller is not idle. While the run is under way: the segmented ring
// with the overall percentage, the step's headline and status line, the
// four tool cards and "Stop" ("stopButton"). Once it is done (finished or
// stopped): the bytes found in the ring, the summary headline, and the
// done block with the insights, "Home" and the button to the tool with the
// most to review. Nothing is deleted from this screen.
//
// It shows the snapshot it is given (the Home screen hands it a new one on
// every change of the controller, whose changed() carries every change of
// the four models) and reads everything through its rules. It reports
// "Stop", "Home" and a request for a tool's section by signals; its screen
// stops or resets the controller, never starts a scan. The ring's
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
  explicit SmartScanPage(const SmartScanSnapshot& scan, QWidget* parent = nullptr);

  void setScan(const SmartScanSnapshot& scan);
  SegmentedScanRing* ring() const { return ring_; }
  // Present only while the run is done.
  ScanDoneBlock* doneBlock() const;

 Q_SIGNALS:
  void stopClicked();
  // The done block's "Home".
  void homeClicked();
  // A tool card that can open its tool, or the done block's review button:
  // the window is asked for the tool's section.
  void toolRequested(tidewell::screens::ScanTool tool);

 private:
  // A tap on a tool card.
  void open(ScanTool tool);

  SmartScanSnapshot scan_;
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
