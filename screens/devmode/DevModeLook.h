#pragma once
// The fixed colours and button looks of the Dev Mode screen. Built on
// first use; GUI thread only.

#include <QColor>

#include "design/components/PillButtonLook.h"

namespace tidewell::screens::DevModeLook {

// The mark inside a picked check box: sRGB 0.02, 0.09, 0.12.
const QColor& checkColour();
// The cube of a model store row: the theme's container purple.
const QColor& modelStoreTint();
// "Clean Up" and "Done": no tint, the theme's pill text, 12.5, padded 18
// by 9.
design::PillButtonLook pillLook();

}  // namespace tidewell::screens::DevModeLook
