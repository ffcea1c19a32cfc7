#pragma once
// One card of a Deep Scan bucket's grid: what kind of thing a big item is,
// its name, where it lies, its size and a sentence about it, with the
// actions it allows (Reveal; the trash button unless it is a container
// disk; Copy command for a container disk with a reclaim command). The card
// never reads a model: Reveal and trash report revealRequested() and
// trashRequested(), and Copy command writes the command to the clipboard itself, then reads
// "Copied" until the delay it was given has passed (two seconds).
//
// Named "bigItemCard", keyed by the item's id; its parts are "cardBadge",
// "cardName", "cardLocation", "cardSize", "cardNote", "cardTile" and the
// buttons "revealButton", "copyCommandButton", "trashButton". GUI thread
// only.

#include <chrono>
#include <functional>
#include <memory>

#include "engine/deepscan/BigItem.h"
#include "screens/common/layout/Surface.h"

namespace tidewell::design {
class GhostPillButton;
}

namespace tidewell::platform {
class Clipboard;
}

namespace tidewell::screens {

// Runs done once, delay from now, unless owner is gone by then. The app's
// is a single-shot timer; tests keep the call and run it themselves.
using DelayedCall =
    std::function<void(QObject* owner, std::chrono::milliseconds delay, std::function<void()> done)>;
DelayedCall timerDelayedCall();

// How long the copy button reads "Copied".
inline constexpr std::chrono::milliseconds kCopiedFor{2000};

class BigItemCard : public Surface {
  Q_OBJECT
 public:
  BigItemCard(engine::BigItem item, std::shared_ptr<platform::Clipboard> clipboard,
              DelayedCall after = timerDelayedCall(), QWidget* parent = nullptr);

  const engine::BigItem& item() const { return item_; }
  bool isCopied() const { return copied_; }
 Q_SIGNALS:
  void revealRequested();
  void trashRequested();

 protected:
  void paintBackground(QPainter& painter, const QRectF& rect) override;
  void addBackgroundKey(design::PaintKey& key) const override;

 private:
  void copyCommand();
  void setCopied(bool copied);

  engine::BigItem item_;
  std::shared_ptr<platform::Clipboard> clipboard_;
  DelayedCall after_;
  bool copied_ = false;
  design::GhostPillButton* copy_ = nullptr;
};

}  // namespace tidewell::screens
