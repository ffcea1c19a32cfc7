#pragma once
// The one font rule of the interface: every text is an Inter face at a
// fixed size, except the monospaced design, which is a fixed-pitch face.
// Sizes are device-independent pixels (the points of the original design);
// fractional sizes such as 12.5 are kept.

#include <QFont>
#include <QString>

#include "design/type/FontWeight.h"

namespace tidewell::design {

// thin, ultra-light, light "Inter18pt-Light"; medium "Inter18pt-Medium";
// semibold "Inter18pt-SemiBold"; bold "Inter18pt-Bold"; heavy, black
// "Inter18pt-Black"; any other weight "Inter18pt-Regular".
QString interFontName(FontWeight weight);

// The family the bundled faces register under.
inline constexpr const char* kInterFamily = "Inter";

// The monospaced design's family, named rather than left to the system's
// choice: fontconfig's "monospace" may be a face Qt does not take as fixed
// pitch. scripts/setup installs it (fonts-dejavu-core).
inline constexpr const char* kMonospacedFamily = "DejaVu Sans Mono";

// The family when it is installed, otherwise the system's fixed-pitch font,
// at its default size and weight. Qt's matcher would otherwise stand any
// face in for a missing family, a proportional one included.
QFont fixedPitchFont(const QString& family);

// The font of a text look. For every design but monospaced: the Inter face
// named by interFontName(weight), at size pixels, not following any text
// size setting. For monospaced: fixedPitchFont(kMonospacedFamily) at that
// size and weight.
QFont inter(double size, FontWeight weight = FontWeight::Regular, FontDesign design = FontDesign::Default);

// The size of a font made by inter(), in device-independent pixels.
double fontPixelSize(const QFont& font);

}  // namespace tidewell::design
