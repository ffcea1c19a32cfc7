#pragma once
// Where the application's resources ("Fonts", "Logos") are found:
// $TIDEWELL_RESOURCES when set (tests point it at a temporary folder), else
// the installed share folder beside the executable
// (<bin>/../share/tidewell-mac), else the build tree's resources folder.

#include <QString>

namespace tidewell::design {

QString resourceRoot();

// The build tree's resources folder (fonts are copied there at build time).
QString buildTreeResourceRoot();

}  // namespace tidewell::design
