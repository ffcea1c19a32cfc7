#pragma once
// A two-way Boolean binding: a read and a write of one flag held elsewhere
// (a model's selection of one item), handed to a row so the row never
// reaches into the model. The write goes through modelCall, so a row that
// outlives its model writes nothing. The read goes through modelRead, so
// such a row reads false (Dev Mode's rows), or, for a row that lives inside
// the page holding the model, through that page (Clean's item chips).
// GUI thread only.

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
