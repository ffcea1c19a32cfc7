#include "widget/WidgetStyles.h"

#include "widget/WidgetPalette.h"

namespace tidewell::widget {

namespace {
// The large figures may shrink to 0.6 of their size before they are cut.
constexpr double kFigureMinimumScale = 0.6;

LineStyle figure(int size, double minimumScale) {
  return {widgetFont(size, QFont::Bold), Qt::white, true, minimumScale};
}
}  // namespace

LineStyle brandStyle() { return {widgetFont(11, QFont::DemiBold), widgetGreen()}; }
LineStyle smallFreeStyle() { return figure(24, kFigureMinimumScale); }
LineStyle freeLabelStyle() { return {widgetFont(11), widgetSecondary()}; }
LineStyle percentStyle() { return figure(15, 1.0); }
LineStyle mediumFreeStyle() { return figure(26, kFigureMinimumScale); }
LineStyle freeOfStyle() { return {widgetFont(12), widgetSecondary()}; }
LineStyle tapToScanStyle() { return {widgetFont(11, QFont::DemiBold), widgetGreen()}; }

}  // namespace tidewell::widget
