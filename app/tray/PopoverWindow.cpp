#include "app/tray/PopoverWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include "app/tray/PopoverPlacement.h"
#include "design/paint/FirstFrame.h"
#include "design/theme/Color.h"

namespace tidewell::app {

namespace {
constexpr int kPlaceholderWidth = 300;
constexpr int kPlaceholderHeight = 400;

QRect availableAround(const QRect& anchor, const QPoint& cursor) {
  const QPoint probe = anchor.isEmpty() ? cursor : anchor.center();
  const QScreen* screen = QGuiApplication::screenAt(probe);
  if (!screen) screen = QGuiApplication::primaryScreen();
  return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), QSize(1920, 1080));
}
}  // namespace

QWidget* PopoverWindow::placeholderContent(std::function<void()>) {
  auto* panel = new QWidget;
  panel->setFixedSize(kPlaceholderWidth, kPlaceholderHeight);
  return panel;
}

PopoverWindow::PopoverWindow(ContentFactory factory, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      factory_(std::move(factory)) {
  setObjectName(QStringLiteral("popover"));
  setWindowTitle(QStringLiteral("Tidewell Mac"));
  QPalette look = palette();
  look.setColor(QPalette::Window, design::Color::appBackground());
  setPalette(look);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PopoverWindow::open(const QRect& anchor, const QPoint& cursor) {
  if (content_) content_->deleteLater();
  const QPointer<PopoverWindow> self(this);
  content_ = factory_ ? factory_([self] {
    if (self) self->dismiss();
  })
                      : placeholderContent({});
  layout()->addWidget(content_);
  adjustSize();
  move(popoverPosition(anchor, cursor, size(), availableAround(anchor, cursor)));
  show();
  raise();
  activateWindow();
}

void PopoverWindow::dismiss() {
  if (isVisible()) {
    hide();  // hideEvent discards the content
  } else if (content_) {
    content_->deleteLater();
    content_ = nullptr;
  }
}

bool PopoverWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowDeactivate && isVisible()) dismiss();
  return QWidget::event(event);
}

void PopoverWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    dismiss();
    return;
  }
  QWidget::keyPressEvent(event);
}

void PopoverWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Mapped right after this: whole from its first moment on screen.
  design::FirstFrame::handOver(this);
}

void PopoverWindow::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  // The content may be the one that asked to close, from its own handler:
  // it goes once that handler has returned.
  if (content_) {
    content_->hide();
    content_->deleteLater();
    content_ = nullptr;
  }
  Q_EMIT closed();
}

}  // namespace tidewell::app
