#include "design/paint/FirstFrame.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QWidget>

#include "platform/core/WindowBackdrop.h"

namespace tidewell::design {

namespace FirstFrame {

QImage picture(QWidget* window) {
  if (!window || window->size().isEmpty()) return {};
  return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

bool handOver(QWidget* window) {
#if QT_CONFIG(xcb)
  if (!window || !window->isWindow() || !window->testAttribute(Qt::WA_WState_Created)) return false;
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!x11 || !x11->connection()) return false;
  const QImage image = picture(window);
  if (image.isNull()) return false;
  const platform::WindowBackdrop::Picture rows{image.width(), image.height(),
                                               reinterpret_cast<const uint32_t*>(image.constBits()),
                                               int(image.bytesPerLine() / 4)};
  return platform::WindowBackdrop::set(x11->connection(), uintptr_t(window->winId()), rows);
#else
  Q_UNUSED(window);
  return false;
#endif
}

}  // namespace FirstFrame

}  // namespace tidewell::design
