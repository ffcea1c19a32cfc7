#pragma once
// Records the names of a model's signals in the order they were emitted, so
// a test can check which fields a call published, and that changed()
// followed each of them.

#include <QObject>
#include <string>
#include <vector>

namespace tidewell::testing {

class SignalLog {
 public:
  template <typename Model, typename Owner>
  void watch(Model* model, void (Owner::*signal)(), std::string name) {
    QObject::connect(model, signal, model, [this, name] { names_.push_back(name); });
  }

  const std::vector<std::string>& names() const { return names_; }
  void clear() { names_.clear(); }

  // The names without "changed".
  std::vector<std::string> fields() const {
    std::vector<std::string> out;
    for (const auto& name : names_)
      if (name != "changed") out.push_back(name);
    return out;
  }

  // True when every field signal is followed at once by "changed" and no
  // "changed" stands alone.
  bool eachFollowedByChanged() const {
    if (names_.size() % 2 != 0) return false;
    for (std::size_t i = 0; i < names_.size(); i += 2)
      if (names_[i] == "changed" || names_[i + 1] != "changed") return false;
    return true;
  }

 private:
  std::vector<std::string> names_;
};

}  // namespace tidewell::testing
