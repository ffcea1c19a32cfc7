#include "widget/DesktopWindowFlags.h"

namespace tidewell::widget {

Qt::WindowFlags desktopWindowFlags(const QString& platformName) {
  Qt::WindowFlags flags = Qt::Window | Qt::FramelessWindowHint;
  if (platformName == QLatin1String("xcb")) flags |= Qt::WindowStaysOnBottomHint;
  return flags;
}

}  // namespace tidewell::widget
