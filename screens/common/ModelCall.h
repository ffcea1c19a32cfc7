#pragma once
// How a control starts a model operation: a closure holding the model
// weakly that, while the model lives, calls call(model) and drops what it
// returns (an operation's task runs to its end by itself, so the control
// returns at once). GUI thread only.

#include <functional>
#include <memory>

namespace tidewell::screens {

template <typename Model, typename Call>
std::function<void()> modelCall(const std::shared_ptr<Model>& model, Call call) {
  return [weak = std::weak_ptr<Model>(model), call] {
    if (auto alive = weak.lock()) call(*alive);
  };
}

}  // namespace tidewell::screens
