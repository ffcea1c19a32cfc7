#include "widget/TidewellWidgetView.h"

#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "widget/WidgetAccessible.h"
#include "widget/WidgetLayout.h"
#include "widget/WidgetPainter.h"

namespace tidewell::widget {

TidewellWidgetView::TidewellWidgetView(WidgetFamily family, LinkOpener opener, QWidget* parent)
    : QWidget(parent), family_(family), opener_(std::move(opener)) {
  setObjectName(QStringLiteral("TidewellMacWidget"));
  setFixedSize(widgetSize(family).toSize());
  setAttribute(Qt::WA_TranslucentBackground);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
  WidgetAccessible::install();
}

void TidewellWidgetView::setEntry(const SpaceEntry& entry) {
  if (entry == entry_) return;
  entry_ = entry;
  update();
  if (QAccessible::isActive()) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void TidewellWidgetView::openScanLink() {
  if (opener_) opener_(scanLink());
}

std::unique_ptr<QMenu> TidewellWidgetView::makeContextMenu() {
  auto menu = std::make_unique<QMenu>();
  connect(menu->addAction(QStringLiteral("Close")), &QAction::triggered, this, &QWidget::close);
  return menu;
}

void TidewellWidgetView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paintTidewellWidget(painter, rect(), family_, entry_);
  if (showsFocusRing()) paintWidgetFocusRing(painter, rect());
}

void TidewellWidgetView::mousePressEvent(QMouseEvent* event) {
  if (keyboard_) {
    keyboard_ = false;
    update();
  }
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressed_ = true;
  dragging_ = false;
  pressPosition_ = event->position().toPoint();
}

void TidewellWidgetView::mouseMoveEvent(QMouseEvent* event) {
  if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
  const QPoint moved = event->position().toPoint() - pressPosition_;
  if (!dragging_ && moved.manhattanLength() < QApplication::startDragDistance()) return;
  // The window manager moves the window where it can (always on Wayland,
  // where a client cannot place itself); elsewhere we follow the pointer.
  if (!dragging_ && isWindow() && windowHandle() && windowHandle()->startSystemMove()) {
    pressed_ = false;
    dragging_ = true;
    return;
  }
  dragging_ = true;
  if (isWindow()) move(event->globalPosition().toPoint() - pressPosition_);
}

void TidewellWidgetView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const bool click = pressed_ && !dragging_ && rect().contains(event->position().toPoint());
  pressed_ = false;
  dragging_ = false;
  if (click) openScanLink();
}

void TidewellWidgetView::keyPressEvent(QKeyEvent* event) {
  if (!keyboard_) {
    keyboard_ = true;
    update();
  }
  const int key = event->key();
  if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && !event->isAutoRepeat()) {
    event->accept();
    return openScanLink();
  }
  QWidget::keyPressEvent(event);
}

void TidewellWidgetView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();
}

void TidewellWidgetView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}

void TidewellWidgetView::contextMenuEvent(QContextMenuEvent* event) {
  pressed_ = false;
  makeContextMenu()->exec(event->globalPos());
}

}  // namespace tidewell::widget
