#include "widget/WidgetLooks.h"

#include "widget/WidgetPalette.h"

namespace tidewell::widget {

namespace {
// The large figures may shrink to 0.6 of their size before they are cut.
constexpr double kFigureMinimumScale = 0.6;

LineLook figure(int size, double minimumScale) {
  return {widgetFont(size, QFont::Bold), Qt::white, true, minimumScale};
}
}  // namespace

LineLook brandLook() { return {widgetFont(11, QFont::DemiBold), widgetGreen()}; }
LineLook smallFreeLook() { return figure(24, kFigureMinimumScale); }
LineLook freeLabelLook() { return {widgetFont(11), widgetSecondary()}; }
LineLook percentLook() { return figure(15, 1.0); }
LineLook mediumFreeLook() { return figure(26, kFigureMinimumScale); }
LineLook freeOfLook() { return {widgetFont(12), widgetSecondary()}; }
LineLook tapToScanLook() { return {widgetFont(11, QFont::DemiBold), widgetGreen()}; }

}  // namespace tidewell::widget
