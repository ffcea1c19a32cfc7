#pragma once
// A two-way Boolean binding: a read and a write of one flag held elsewhere
// (a model's selection of one item), handed to a row so the row never
// reaches into the model. Build it with modelRead and modelCall, so a row
// that outlives its model reads false and writes nothing. GUI thread only.

#include <functional>

namespace tidewell::screens {

struct BoolBinding {
  std::function<bool()> get;
  std::function<void(bool)> set;

  bool value() const { return get ? get() : false; }
};

// Reads the binding's value and writes back its negation: the tap of an
// item chip or an item row. A binding without a reader reads false; one
// without a writer changes nothing.
void toggleBinding(const BoolBinding& binding);

}  // namespace tidewell::screens
