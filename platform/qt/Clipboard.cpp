#include "platform/qt/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tidewell::platform {

void SystemClipboard::setText(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return;
  clipboard->clear(QClipboard::Clipboard);
  clipboard->setText(text, QClipboard::Clipboard);
}

}  // namespace tidewell::platform
