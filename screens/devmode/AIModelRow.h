#pragma once
// One large AI model folder of the Dev Mode detail: the cube, the tool's
// name over its note (two lines at most), the size and "Reveal". Stores
// are shown only, never picked or cleaned: the row's one action is the
// reveal callback its screen gives. GUI thread only.

#include <functional>

#include "engine/clean/AIModelStore.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::design {
class GhostPillButton;
}

namespace tidewell::screens {

class TextLabel;

class AIModelRow : public Surface {
  Q_OBJECT
 public:
  AIModelRow(const engine::AIModelStore& store, std::function<void()> onReveal, QWidget* parent = nullptr);

  void setStore(const engine::AIModelStore& store, std::function<void()> onReveal);
  design::GhostPillButton* revealButton() const { return reveal_; }

 private:
  std::function<void()> onReveal_;
  TextLabel* tool_;
  TextLabel* note_;
  TextLabel* size_;
  design::GhostPillButton* reveal_;
};

}  // namespace tidewell::screens
