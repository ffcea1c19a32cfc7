#pragma once
// The widget's own colours, made once on first use. GUI thread.

#include <QColor>

namespace tidewell::widget {

const QColor& widgetBackground();  // behind everything
const QColor& widgetGreen();       // brand row, bar fill, ring start, "Tap to scan"
const QColor& widgetMint();        // ring end
const QColor& widgetTrack();       // white at 0.1: the empty bar and ring
const QColor& widgetSecondary();   // white at 0.55: quiet labels

}  // namespace tidewell::widget
