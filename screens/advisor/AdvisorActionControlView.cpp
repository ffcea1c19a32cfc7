#include "screens/advisor/AdvisorActionControlView.h"

#include <QHBoxLayout>

#include "design/components/PillButton.h"
#include "screens/advisor/AdvisorLook.h"
#include "screens/common/ObjectNames.h"
#include "screens/common/views/Spinner.h"

namespace tidewell::screens {

AdvisorActionControlView::AdvisorActionControlView(QString title, design::PillButtonLook look,
                                                   QWidget* parent)
    : QWidget(parent) {
  auto* box = new QHBoxLayout(this);
  box->setContentsMargins(0, 0, 0, 0);
  box->setSpacing(0);
  button_ = named(new design::PillButton({std::move(title), std::nullopt}, std::move(look)), "actionButton");
  connect(button_, &QAbstractButton::clicked, this, [this] {
    if (state_.enabled && !state_.busy) Q_EMIT runRequested();
  });
  spinner_ = named(new Spinner(ControlSize::small), "actionSpinner");
  box->addWidget(button_, 0, Qt::AlignCenter);
  box->addWidget(spinner_, 0, Qt::AlignCenter);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  state_.busy = true;  // so the first setState shows the button
  setState({});
}

void AdvisorActionControlView::setState(AdvisorActionControl state) {
  if (state == state_) return;
  state_ = state;
  button_->setVisible(!state_.busy);
  spinner_->setVisible(state_.busy);
  button_->setEnabled(state_.enabled);
  button_->setOpacity(state_.enabled ? 1 : kAdvisorDisabledOpacity);
}

}  // namespace tidewell::screens
