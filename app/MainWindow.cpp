#include "app/MainWindow.h"

#include <QShortcut>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/AppBridge.h"

namespace tidewell::app {

MainWindow::MainWindow(AppBridge& bridge, QWidget* content, std::function<void()> openMainWindow,
                       std::function<void()> quit, QWidget* parent)
    : QWidget(parent, Qt::Window),
      bridge_(bridge),
      content_(content),
      openMainWindow_(std::move(openMainWindow)) {
  setObjectName(QStringLiteral("mainWindow"));
  setWindowTitle(QString::fromLatin1(kMainWindowTitle));
  setAttribute(Qt::WA_DeleteOnClose);
  setMinimumSize(kMainWindowMinimumSize);
  resize(kMainWindowSize);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (content_) layout->addWidget(content_);

  auto* quitKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
  quitKey->setObjectName(QStringLiteral("quitShortcut"));
  connect(quitKey, &QShortcut::activated, this, [quit = std::move(quit)] {
    if (quit) quit();
  });
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // A window coming back from the taskbar is not shown anew.
  if (!event->spontaneous()) bridge_.openWindow = openMainWindow_;
}

}  // namespace tidewell::app
