#pragma once
// The small card that stands for one tool under the Smart Scan ring: its
// icon, its title and a status line that says whether the tool is waiting
// ("up next"), scanning, done (with its result) or skipped. 150 points
// wide, on the raised surface with a 1-point edge that lights up in the
// tool's colour while it scans, or while the pointer is over a done card
// (whose note then reads "tap to view"). Waiting and skipped cards stand at
// 0.55 opacity. A change of status eases its edge and opacity over 0.25 s.
//
// A click anywhere on the card reports tapped() whatever the status: the
// screen decides whether it does anything. The card holds plain values
// only. GUI thread only.
//
// Children: "toolCardTitle", "toolCardStatus" (the status line's main text:
// "up next", "scanning…", "skipped" or the result), "toolCardNote" (done
// only: "done" or "tap to view").

#include <QString>

#include "design/motion/Transition.h"
#include "design/symbols/SymbolTable.h"
#include "design/theme/SectionPalette.h"
#include "screens/common/layout/Surface.h"
#include "screens/smartscan/ToolCardStatus.h"

class QGraphicsOpacityEffect;
class QVBoxLayout;

namespace tidewell::design {
class FrameTimer;
}

namespace tidewell::screens {

class TextLabel;

inline constexpr double kToolCardStatusSeconds = 0.25;

class ToolCard : public Surface {
  Q_OBJECT
  Q_PROPERTY(QString title READ title)
  Q_PROPERTY(QString text READ statusText)
 public:
  ToolCard(design::SymbolName symbol, QString title, design::SectionPalette palette, ToolCardStatus status,
           QWidget* parent = nullptr);

  const QString& title() const { return title_; }
  const ToolCardStatus& status() const { return status_; }
  void setStatus(const ToolCardStatus& status);
  QString statusText() const { return toolCardStatusText(status_); }

  // The look the card heads for (the edge and opacity after any easing).
  ToolCardLook look() const;
  // The opacity drawn now.
  double shownOpacity() const;

 Q_SIGNALS:
  void tapped();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void buildStatusLine();
  void placeStatusLine();
  void refreshLook(bool animated);
  void onFrame();

  QString title_;
  design::SectionPalette palette_;
  ToolCardStatus status_;
  // The status line's 32-point slot in the column, and what it shows, laid
  // over the slot and centred on it: a done result with its note is a
  // little taller than the slot and may reach past it, as it would in text.
  QWidget* statusSlot_;
  QWidget* statusLine_;
  QVBoxLayout* statusBox_;
  TextLabel* note_ = nullptr;
  QGraphicsOpacityEffect* fade_;
  design::Transition opacity_;
  design::Transition lit_;  // 0: hairline edge, 1: the tool's colour
  design::FrameTimer* frames_;
};

}  // namespace tidewell::screens
