#pragma once
// The text looks of the two layouts, in one table so that the layout and
// the painter measure the same fonts. GUI thread (fonts).

#include "widget/WidgetText.h"

namespace tidewell::widget {

LineLook brandLook();       // "TidewellMac": 11 semibold, green
LineLook smallFreeLook();   // free figure of the small layout: 24 bold, white, digits monospaced
LineLook freeLabelLook();   // "free": 11, secondary
LineLook percentLook();     // ring centre: 15 bold, white, digits monospaced
LineLook mediumFreeLook();  // free figure of the medium layout: 26 bold, white, digits monospaced
LineLook freeOfLook();      // "free of …": 12, secondary
LineLook tapToScanLook();   // "Tap to scan": 11 semibold, green

}  // namespace tidewell::widget
