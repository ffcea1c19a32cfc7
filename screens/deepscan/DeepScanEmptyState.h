#pragma once
// What the Deep Scan list shows when a scan found nothing: a green glow
// card saying there is nothing big. Named "emptyState". GUI thread only.

#include "design/components/GlowCard.h"

namespace tidewell::screens {

class DeepScanEmptyState : public design::GlowCard {
  Q_OBJECT
 public:
  explicit DeepScanEmptyState(QWidget* parent = nullptr);
};

}  // namespace tidewell::screens
