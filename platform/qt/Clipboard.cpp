#include "platform/qt/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tidewell::screens {

void SystemClipboard::setText(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return;
  clipboard->clear(QClipboard::Clipboard);
  clipboard->setText(text, QClipboard::Clipboard);
}

}  // namespace tidewell::screens
