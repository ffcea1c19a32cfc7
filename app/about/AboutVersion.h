#pragma once
// The version line of About: "Version " and the short version ("1.0.0"
// when there is none), followed by the build in parentheses when there is
// one: "Version 1.4.2 (57)", "Version 2.0".

#include <QString>
#include <optional>

namespace tidewell::app {

QString aboutVersionLine(const std::optional<QString>& shortVersion, const std::optional<QString>& build);

// The line of this build: the project's version and the build number the
// build was configured with (none when it was given none).
QString aboutVersionLine();

}  // namespace tidewell::app
