#pragma once
// The orange card Home shows while Full Disk Access is missing: what is
// missing and why, "Open Settings" ("openSettingsButton") and "Reveal App"
// ("revealAppButton"). Reports the buttons; GUI thread only.

#include "design/components/GlowCard.h"

namespace tidewell::screens {

class AccessBanner : public design::GlowCard {
  Q_OBJECT
 public:
  explicit AccessBanner(QWidget* parent = nullptr);

 Q_SIGNALS:
  void openSettingsClicked();
  void revealAppClicked();
};

}  // namespace tidewell::screens
