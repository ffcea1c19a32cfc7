#pragma once
// One large AI model folder of the Dev Mode detail: the cube, the tool's
// name over its note (two lines at most), the size and "Reveal". Stores
// are shown only, never picked or cleaned: the row's one action is
// "Reveal", which reports revealRequested(). GUI thread only.

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
  explicit AIModelRow(const engine::AIModelStore& store, QWidget* parent = nullptr);

  void setStore(const engine::AIModelStore& store);
  const engine::AIModelStore& store() const { return store_; }
  design::GhostPillButton* revealButton() const { return reveal_; }

 Q_SIGNALS:
  void revealRequested();

 private:
  engine::AIModelStore store_;
  TextLabel* tool_;
  TextLabel* note_;
  TextLabel* size_;
  design::GhostPillButton* reveal_;
};

}  // namespace tidewell::screens
