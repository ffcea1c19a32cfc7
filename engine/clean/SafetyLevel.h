#pragma once
// Whether a measured row starts ticked for cleaning: a safe row is ticked as
// soon as it is measured, a caution row only by the user.

namespace tidewell::engine {

enum class SafetyLevel { safe, caution };

}  // namespace tidewell::engine
