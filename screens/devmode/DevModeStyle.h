#pragma once
// The fixed colours and button looks of the Dev Mode screen. Built on
// first use; GUI thread only.

#include <QColor>

#include "design/components/PillButtonStyle.h"

namespace tidewell::screens::DevModeStyle {

// The mark inside a picked check box: sRGB 0.02, 0.09, 0.12.
const QColor& checkColour();
// The text of the white pill buttons: sRGB 0.04, 0.05, 0.08.
const QColor& pillText();
// The cube of a model store row: sRGB 0.6, 0.5, 0.98.
const QColor& modelStoreTint();
// "Clean Up" and "Done": no tint, pill text, 12.5, padded 18 by 9.
design::PillButtonStyle pillStyle();

}  // namespace tidewell::screens::DevModeStyle
