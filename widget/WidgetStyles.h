#pragma once
// The text styles of the two layouts, in one table so that the layout and
// the painter measure the same fonts. GUI thread (fonts).

#include "widget/WidgetText.h"

namespace tidewell::widget {

LineStyle brandStyle();       // "TidewellMac": 11 semibold, green
LineStyle smallFreeStyle();   // free figure of the small layout: 24 bold, white, digits monospaced
LineStyle freeLabelStyle();   // "free": 11, secondary
LineStyle percentStyle();     // ring centre: 15 bold, white, digits monospaced
LineStyle mediumFreeStyle();  // free figure of the medium layout: 26 bold, white, digits monospaced
LineStyle freeOfStyle();      // "free of …": 12, secondary
LineStyle tapToScanStyle();   // "Tap to scan": 11 semibold, green

}  // namespace tidewell::widget
