#pragma once
// The weights and designs a text look names; Font rules map them to faces.

namespace tidewell::design {

enum class FontWeight { UltraLight, Thin, Light, Regular, Medium, Semibold, Bold, Heavy, Black };

enum class FontDesign { Default, Rounded, Serif, Monospaced };

}  // namespace tidewell::design
