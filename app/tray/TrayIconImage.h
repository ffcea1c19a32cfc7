#pragma once
// The tray item's picture: the logo mark's svg tinted white (tray panels are
// dark, and the mark stands in as a template image would on a menu bar),
// 18 pixels high; without a loadable svg, the "sparkles" symbol in white.
// GUI thread only.

#include <QIcon>
#include <QSizeF>
#include <QString>

namespace tidewell::app {

// The height every tray picture is drawn at.
inline constexpr double kTrayIconHeight = 18;

// 18 high, and 18 x (width / height) wide when the natural height is above
// 0, else 18 wide.
QSizeF trayIconSize(const QSizeF& natural);

struct TrayIconArt {
  QIcon icon;
  bool isLogo = false;  // false: the "sparkles" fallback
  QSizeF size;          // the picture's size in device-independent pixels
};

// Looks for "logo-mark.svg" in root/Logos, then at root (svg only).
TrayIconArt trayIconArt(const QString& root);

}  // namespace tidewell::app
