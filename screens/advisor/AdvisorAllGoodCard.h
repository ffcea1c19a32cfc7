#pragma once
// The card the Advisor shows when a scan found nothing to reclaim: a
// green-glowing card with the seal, "You're all good" and one line on what
// was looked for. GUI thread only.

#include "design/components/GlowCard.h"

namespace tidewell::screens {

class AdvisorAllGoodCard : public design::GlowCard {
  Q_OBJECT
 public:
  explicit AdvisorAllGoodCard(QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
