#pragma once
// How a control reaches its model: a closure holding the model weakly.
// modelCall starts an operation: while the model lives, it calls
// call(model, args...) and drops what that returns (an operation's task
// runs to its end by itself, so the control returns at once). modelRead
// asks a question: read(model, args...) while the model lives, else gone.
// The arguments are those of the signal or callback the closure answers
// (modelCall<const Item&>(model, ...) for a row's "trash this item").
// GUI thread only.

#include <functional>
#include <memory>

namespace tidewell::screens {

template <typename... Args, typename Model, typename Call>
std::function<void(Args...)> modelCall(const std::shared_ptr<Model>& model, Call call) {
  return [weak = std::weak_ptr<Model>(model), call](Args... args) {
    if (auto alive = weak.lock()) call(*alive, args...);
  };
}

template <typename Result, typename... Args, typename Model, typename Read>
std::function<Result(Args...)> modelRead(const std::shared_ptr<Model>& model, Result gone, Read read) {
  return [weak = std::weak_ptr<Model>(model), gone, read](Args... args) -> Result {
    if (auto alive = weak.lock()) return read(*alive, args...);
    return gone;
  };
}

}  // namespace tidewell::screens
