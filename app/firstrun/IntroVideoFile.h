#pragma once
// Where the intro video is: "onboarding.mp4" at the resource root, else
// "onboarding.mov" there; an empty string when neither exists.

#include <QString>

namespace tidewell::app {

QString introVideoFile(const QString& resourceRoot);
// The same under design::resourceRoot().
QString introVideoFile();

}  // namespace tidewell::app
