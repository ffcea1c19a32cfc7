#include "models/GuiRelay.h"

#include <QMetaObject>

namespace tidewell::models {

std::shared_ptr<GuiRelay> GuiRelay::create(QObject* target) {
  std::shared_ptr<GuiRelay> relay(new GuiRelay(target));
  std::weak_ptr<GuiRelay> weak = relay;
  // destroyed() is emitted before QObject drops the events posted to it, and
  // posting holds the same mutex, so no post can reach a dead object.
  QObject::connect(
      target, &QObject::destroyed, target,
      [weak] {
        if (auto r = weak.lock()) {
          std::lock_guard lock(r->mutex_);
          r->target_ = nullptr;
        }
      },
      Qt::DirectConnection);
  return relay;
}

void GuiRelay::post(std::function<void()> work) const {
  std::lock_guard lock(mutex_);
  if (target_) QMetaObject::invokeMethod(target_, std::move(work), Qt::QueuedConnection);
}

}  // namespace tidewell::models
