#include "screens/common/controls/ModalDialog.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include "design/paint/FirstFrame.h"
#include "design/paint/ShadowLayer.h"
#include "design/theme/Color.h"

namespace tidewell::screens {

ModalDialog::ModalDialog(QWidget* parent) : QDialog(parent) {
  setWindowModality(Qt::WindowModal);
  setFocusPolicy(Qt::StrongFocus);
  design::ShadowLayer::makeHost(this);
}

void ModalDialog::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(rect(), design::Color::appBackground());
  design::ShadowLayer::paintCasters(this, painter, event->region());
}

void ModalDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      event->accept();  // no default button
      return;
    case Qt::Key_Escape:
      event->accept();
      reject();
      return;
    default:
      QDialog::keyPressEvent(event);
  }
}

void ModalDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // The dialog, not a button, holds the focus, so keys reach keyPressEvent.
  setFocus(Qt::OtherFocusReason);
  // Mapped right after this: whole from its first moment on screen.
  design::FirstFrame::handOver(this);
}

}  // namespace tidewell::screens
