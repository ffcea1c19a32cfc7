#include "screens/common/BoolBinding.h"

namespace tidewell::screens {

void toggleBinding(const BoolBinding& binding) {
  const bool value = binding.value();
  if (binding.set) binding.set(!value);
}

}  // namespace tidewell::screens
