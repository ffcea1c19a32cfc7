#include "design/theme/ThemeEngine.h"

#include "design/DesignLog.h"

namespace tidewell::design {

ThemeEngine::ThemeEngine(QObject* parent) : QObject(parent) {}

void ThemeEngine::setFreeFraction(double fraction) {
  palette_ = ThemePalette::forFreeFraction(fraction);
  qCDebug(lcDesign) << "theme: free fraction" << fraction << "->" << palette_.label;
  Q_EMIT paletteChanged();
}

}  // namespace tidewell::design
