#pragma once
// The control of one Advisor action in a card or row: a pill button, or a
// small spinner in the accent while its action runs; the button is dimmed
// and disabled while any other action runs or when the action is not
// allowed (see advisorActionControl). Pressing it, while it is enabled and
// not busy, reports runRequested(). Children "actionButton" and
// "actionSpinner". GUI thread only.

#include <QWidget>

#include "design/components/PillButtonLook.h"
#include "screens/advisor/AdvisorRules.h"

namespace tidewell::design {
class PillButton;
}

namespace tidewell::screens {

class AdvisorActionControlView : public QWidget {
  Q_OBJECT
 public:
  AdvisorActionControlView(QString title, design::PillButtonLook look, QWidget* parent = nullptr);

  void setState(AdvisorActionControl state);
  const AdvisorActionControl& state() const { return state_; }
  design::PillButton* button() const { return button_; }

 Q_SIGNALS:
  void runRequested();

 private:
  AdvisorActionControl state_;
  design::PillButton* button_;
  QWidget* spinner_;
};

}  // namespace tidewell::screens
