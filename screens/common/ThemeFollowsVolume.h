#pragma once
// Hands the theme the volume model's free fraction: now, when the model has
// a reading, and after each reading from then on, for as long as both live.
// Design knows no models, so the window (and every test or renderer that
// builds one) links the two here. GUI thread only.

namespace tidewell::design {
class ThemeEngine;
}
namespace tidewell::models {
class VolumeModel;
}

namespace tidewell::screens {

void themeFollowsVolume(design::ThemeEngine& theme, models::VolumeModel& volume);

}  // namespace tidewell::screens
